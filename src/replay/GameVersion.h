// The version of the game as built, written into every replay and asked of every replay played.
#pragma once

namespace GameVersion {

const char* text();

} // namespace GameVersion
