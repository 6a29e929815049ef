// The content files the game loads by their own names from its data folder, the animations it
// plays from each shared sheet, and the configuration keys that name its fonts. The loader and the
// data checker both read them here, so the two cannot drift apart.
#pragma once

#include <string>

class ContentFiles {
public:
    // A shared sheet and the animations the game plays from it.
    struct Sheet {
        const char* path;
        unsigned animations;
    };

    static constexpr const char* Background = "data/bg.mz";
    static constexpr const char* RedBar = "data/redbar.mz";
    static constexpr const char* Slots = "data/slots.mz";
    static constexpr const char* Icons = "data/icons.mz";
    static constexpr const char* UpgradeIcons = "data/upgrade_icons.mz";
    static constexpr const char* LaserBolt = "data/laser_small.mz";
    static constexpr const char* Selector = "data/selector.mz";
    // The clouds' images: "data/cloud1.mz" to "data/cloud5.mz".
    static constexpr int CloudCount = 5;
    static std::string cloudPath(int index);

    static constexpr Sheet Poof{"data/poof.sz", 1};
    static constexpr Sheet SmallExplosion{"data/explosion_small.sz", 1};
    static constexpr Sheet LaunchPuff{"data/puff2.sz", 1};
    // One animation for each of the directions a missile is drawn heading in.
    static constexpr Sheet Missile{"data/missile.sz", 16};
    static constexpr Sheet SharedSheets[] = {Poof, SmallExplosion, LaunchPuff, Missile};

    // The keys naming the fonts' images; each with "Kerning" added names the font's kerning.
    static constexpr const char* FontMain = "FontMain";
    static constexpr const char* FontMainRed = "FontMainRed";
    static constexpr const char* FontSmall = "FontSmall";
    static constexpr const char* FontSmallRed = "FontSmallRed";
    static constexpr const char* FontKeys[] = {FontMain, FontMainRed, FontSmall, FontSmallRed};
};
