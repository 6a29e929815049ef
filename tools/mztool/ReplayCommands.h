// The commands that read a kept run: replay-info and replay-check.
#pragma once

#include "mztool/CommandTable.h"

namespace mztool {

// replay-info FILE: what the replay holds (data set, difficulty, mode, waves, figures, length).
int replayInfoCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);
// replay-check FILE: plays the replay headless with the data set in the current folder as fast
// as the machine allows; 0 when it ends as recorded, 1 with the first wave that differs.
int replayCheckCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace mztool
