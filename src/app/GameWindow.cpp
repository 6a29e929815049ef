#include "app/GameWindow.h"

#include "app/BackBuffer.h"
#include "app/ScreenLayout.h"

#include <allegro.h>
#include <algorithm>

namespace {

std::string size(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string openWindow(int scale)
{
    const int width = BackBuffer::Width * scale;
    const int height = BackBuffer::Height * scale;
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, width, height, 0, 0) != 0)
        return "cannot open a " + size(width, height) + " window: " + allegro_error;
    return {};
}

} // namespace

std::string GameWindow::open(const LaunchOptions& options, std::string& notice)
{
    int desktopWidth = 0;
    int desktopHeight = 0;
    const bool desktopKnown = get_desktop_resolution(&desktopWidth, &desktopHeight) == 0;
    if (!options.fullscreen) {
        // A scale kept from a larger screen would hide the build bar below the desktop's edge.
        const int scale = ScreenLayout::windowScale(options.scale, desktopKnown ? desktopWidth : 0,
                                                    desktopKnown ? desktopHeight : 0, BackBuffer::Width,
                                                    BackBuffer::Height);
        if (scale != options.scale)
            notice = "a " + size(BackBuffer::Width * options.scale, BackBuffer::Height * options.scale) +
                     " window does not fit the " + size(desktopWidth, desktopHeight) + " desktop; playing in a " +
                     size(BackBuffer::Width * scale, BackBuffer::Height * scale) + " one";
        return openWindow(scale);
    }
    if (!desktopKnown) {
        desktopWidth = BackBuffer::Width * options.scale;
        desktopHeight = BackBuffer::Height * options.scale;
    }
    const int fitting = ScreenLayout::largestScale(desktopWidth, desktopHeight, BackBuffer::Width, BackBuffer::Height);
    if (fitting >= 1 && set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, desktopWidth, desktopHeight, 0, 0) == 0)
        return {};
    const int scale = std::clamp(fitting, ScreenLayout::MinimumScale, ScreenLayout::MaximumScale);
    notice = "no full-screen mode of " + size(desktopWidth, desktopHeight) + " could be set (" + allegro_error +
             "); playing in a " + size(BackBuffer::Width * scale, BackBuffer::Height * scale) + " window";
    return openWindow(scale);
}
