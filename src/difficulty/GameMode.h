// The two ways to play: Classic sends the Squibbles alone, Mixed sends blocks of several invader
// kinds and a boss every tenth wave. Written and read by name in the settings, the checkpoint, the
// command line and the replays.
#pragma once

#include <optional>
#include <string>

enum class GameMode { Classic, Mixed };

// "Classic" or "Mixed".
const char* gameModeName(GameMode mode);
// The mode named, in any letter case; nothing for any other word.
std::optional<GameMode> parseGameMode(const std::string& name);
