// The command that turns a game file back into editable art: unpack.
#pragma once

#include "mztool/CommandTable.h"

namespace mztool {

// unpack FILE.mz|FILE.sz OUTDIR: writes OUTDIR/NAME.png, and OUTDIR/NAME.txt for a sheet,
// which pack back to the same bytes.
int unpackCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace mztool
