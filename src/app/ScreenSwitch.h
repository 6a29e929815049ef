// The game's screen: opened as the player asked at start-up and switched between a window and
// full screen (F11), keeping the game and its pictures; each new window tells the desktop whose
// it is.
#pragma once

#include "app/LaunchOptions.h"
#include "app/ScreenLayout.h"

#include <string>

class ScreenSwitch {
public:
    // Opens the screen the options ask for, lays the picture out on it and shows the pointer.
    // Returns the empty text, or why no screen could be opened; a line about a screen other than
    // the one asked for goes to standard error.
    std::string open(const LaunchOptions& options);
    // Reopens the screen in full screen or as a window of the start-up scale. Returns the empty
    // text, or why it could not be switched: the old screen is then reopened, and the process ends
    // with status 1 when not even that can be. Only a screen opened here can switch.
    std::string switchTo(bool fullscreen);
    bool isOpen() const { return screenOpen; }
    // Where the picture sits on the screen opened last.
    const ScreenLayout& layout() const { return shown; }
    // Names the window now and every window opened later.
    void setTitle(const std::string& text);

private:
    // Opens one screen; the options are kept only when it opened.
    std::string openOnce(const LaunchOptions& options);

    LaunchOptions options;
    ScreenLayout shown;
    std::string title;
    bool titled = false;
    bool screenOpen = false;
};
