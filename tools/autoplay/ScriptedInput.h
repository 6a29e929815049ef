// Keyboard and mouse input set frame by frame by a program (a test or the scripted player), in
// place of Allegro's globals.
#pragma once

#include "app/InputSource.h"
#include "app/ScreenLayout.h"

#include <deque>
#include <set>

class ScriptedInput : public InputSource {
public:
    // Points through the layout given (the Application's, followed as it changes); without one,
    // through the default window's.
    explicit ScriptedInput(const ScreenLayout& layout = defaultLayout());

    int mouseX() override { return windowX; }
    int mouseY() override { return windowY; }
    int mouseButtons() override { return buttons; }
    int nextKey() override;
    bool keyHeld(int scancode) override { return held.count(scancode) != 0; }

    // Puts the pointer on the screen pixel that shows a back-buffer pixel.
    void pointAt(int backBufferX, int backBufferY);
    void pressKey(int scancode) { keys.push_back(scancode); }

    int windowX = 0;
    int windowY = 0;
    int buttons = 0;
    std::deque<int> keys;
    std::set<int> held;

private:
    static const ScreenLayout& defaultLayout();

    const ScreenLayout& layout;
};
