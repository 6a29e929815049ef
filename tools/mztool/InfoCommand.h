// The command that describes a game file: info.
#pragma once

#include "mztool/CommandTable.h"

namespace mztool {

// info FILE: image size; for a sheet also its frames, animations and each cycle duration.
int infoCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace mztool
