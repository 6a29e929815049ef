#include "replay/GameVersion.h"

#ifndef SQUIBBLE_VERSION
#define SQUIBBLE_VERSION "unknown"
#endif

namespace GameVersion {

const char* text() { return SQUIBBLE_VERSION; }

} // namespace GameVersion
