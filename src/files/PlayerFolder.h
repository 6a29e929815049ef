// The folders a player owns, by the XDG base directory rules: records in $XDG_DATA_HOME, settings
// in $XDG_CONFIG_HOME, state reused on the next launch (checkpoints) in $XDG_STATE_HOME, each with
// the game's own folder inside.
#pragma once

#include <string>

class PlayerFolder {
public:
    enum class Kind { Data, Config, State };

    // $XDG_..._HOME/squibble-siege when that variable holds an absolute path, otherwise
    // $HOME/.local/share, $HOME/.config or $HOME/.local/state with squibble-siege inside; empty
    // when neither is known as an absolute path (then nothing of the player's may be read or written).
    static std::string of(Kind kind);
    // The variable that names the kind's folder ("XDG_DATA_HOME" and so on).
    static const char* variableOf(Kind kind);
};
