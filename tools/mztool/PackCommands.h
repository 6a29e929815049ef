// The commands that turn PNG art into the game's files: pack-image and pack-sheet.
#pragma once

#include "mztool/CommandTable.h"

namespace mztool {

// pack-image IN.png OUT.mz
int packImageCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);
// pack-sheet IN.png SHEET.txt OUT.sz
int packSheetCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace mztool
