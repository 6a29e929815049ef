// What the player sets in the game and the game keeps between launches: a plain record.
#pragma once

#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"

#include <optional>

struct Settings {
    // Every back-buffer pixel as a block of scale x scale screen pixels (1..8).
    int scale = 2;
    bool fullscreen = false;
    // Master volume in percent of the data set's mix (0..100); the keys step it by tenths.
    int volume = 100;
    bool mute = false;
    // Music volume in percent of the data set's music level (0..100); [ and ] step it by tenths.
    int musicVolume = 100;
    // The difficulty of a new game, once the player has chosen one; until then Normal.
    std::optional<Difficulty::Level> difficulty;
    // The mode of a new game, chosen with the difficulty; Classic until one is chosen.
    std::optional<GameMode> mode;

    bool operator==(const Settings& other) const
    {
        return scale == other.scale && fullscreen == other.fullscreen && volume == other.volume &&
               mute == other.mute && musicVolume == other.musicVolume && difficulty == other.difficulty &&
               mode == other.mode;
    }
};
