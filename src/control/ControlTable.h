// Every control of the game in one table, data only: the key dispatcher, the help over the field,
// the --help text and the documents' check all read these rows.
#pragma once

#include "control/Control.h"

#include <string>
#include <vector>

class ControlTable {
public:
    // Every input and what it does, in the order the help lists them.
    static const std::vector<Control>& rows();
    // The rows as lines of text, the input padded to one column (for --help).
    static std::vector<std::string> describe();
    // The input of the first row giving the command, as the player reads it ("T"); empty for none.
    static const char* inputOf(Control::Command command);
};
