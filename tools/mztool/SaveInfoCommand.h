// The command that describes a checkpoint: save-info.
#pragma once

#include "mztool/CommandTable.h"

namespace mztool {

// save-info FILE: what the checkpoint holds, or why the game would refuse it. When the current
// folder holds a data set (data/strings.txt), the checkpoint is also restored into a game of that
// data set, as the game does at start-up, and its name checked against the one the game reads for
// that data set. Exit status 0 only when it would be resumed.
int saveInfoCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace mztool
