// The game's icon as desktops take it from a window: the 16 x 16 drawing enlarged by whole
// factors to each size the package installs, transparent where the drawing is masked.
#pragma once

#include <array>
#include <string>
#include <vector>

struct BITMAP;

class DesktopIcon {
public:
    // The icon sizes the package installs, smallest first.
    static constexpr std::array<int, 6> Sizes{16, 32, 48, 64, 128, 256};
    // The drawing of the icon, in the data folder.
    static constexpr const char* Path = "data/app_icon.mz";

    // The window property's cardinals for a drawing: for each size its width, its height and then
    // its pixels row by row as 0xAARRGGBB, each enlarged from the drawing's nearest pixel. Empty
    // for no drawing.
    static std::vector<unsigned long> cardinals(BITMAP* drawing);
    // Loads the drawing from path and makes its cardinals; empty when it cannot be loaded.
    static std::vector<unsigned long> load(const std::string& path = Path);
};
