// Shared set-up of the fuzz targets: a headless graphics library at 32-bit colour with the
// .mz loader registered, and a scratch file through which each input reaches the loaders
// by path, the way the game reads its files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzinput {

// Starts the library once; safe to call on every input.
void startLibrary();

// Starts the library and a headless game on the shipped data set, from the source root named by
// SQUIBBLE_SOURCE_ROOT; stops the run when either is missing.
void startShippedGame();

// Writes the input to a scratch file with the given extension and returns its path.
std::string writeScratchFile(const std::uint8_t* data, std::size_t size, const char* extension);

// Stops the run at once with a message: an invariant the loaders promise was broken.
[[noreturn]] void fail(const char* what);

} // namespace fuzzinput
