// Reading and writing PNG art through libpng, converting between PNG transparency and the
// game's magenta mask colour.
#pragma once

#include <string>

struct BITMAP;

namespace mztool {

// Reads a PNG as a bitmap at the current colour depth. Pixels with alpha below 128 become
// pure magenta. Returns null and sets `error` for unreadable files or images larger than
// the game reads.
BITMAP* readPng(const std::string& path, std::string& error);

// Writes the bitmap as an RGBA PNG; magenta pixels are written fully transparent (their
// colour kept), so packing the file again gives the same image.
bool writePng(const std::string& path, BITMAP* bitmap, std::string& error);

} // namespace mztool
