#include "app/ScreenSwitch.h"

#include "app/BackBuffer.h"
#include "app/DesktopIcon.h"
#include "app/DesktopWindow.h"
#include "app/GameWindow.h"
#include "files/PlainText.h"

#include <allegro.h>
#include <cstdio>
#include <cstdlib>

std::string ScreenSwitch::open(const LaunchOptions& wanted)
{
    const std::string failure = openOnce(wanted);
    if (failure.empty())
        screenOpen = true;
    return failure;
}

std::string ScreenSwitch::openOnce(const LaunchOptions& wanted)
{
    std::string notice;
    const std::string failure = GameWindow::open(wanted, notice);
    if (!failure.empty())
        return failure;
    if (!notice.empty())
        std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(notice).c_str());
    options = wanted;
    shown = ScreenLayout::centred(SCREEN_W, SCREEN_H, BackBuffer::Width, BackBuffer::Height);
    clear_to_color(screen, makecol(0, 0, 0));
    show_mouse(screen);
    enable_hardware_cursor();
    if (titled)
        set_window_title(title.c_str());
    // The icon's cardinals take most of a megabyte: made for each window and dropped once it has them.
    DesktopWindow::describe(DesktopIcon::load());
    return {};
}

std::string ScreenSwitch::switchTo(bool fullscreen)
{
    if (!screenOpen)
        return "no screen of the game's own is open";
    const LaunchOptions old = options;
    LaunchOptions wanted = options;
    wanted.fullscreen = fullscreen;
    show_mouse(nullptr);
    const std::string failure = openOnce(wanted);
    if (failure.empty())
        return {};
    const std::string back = openOnce(old);
    if (!back.empty()) {
        std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(failure + "; " + back).c_str());
        std::exit(1);
    }
    return failure;
}

void ScreenSwitch::setTitle(const std::string& text)
{
    title = text;
    titled = true;
    set_window_title(title.c_str());
}
