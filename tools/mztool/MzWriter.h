// Encodes bitmaps and sheet tables in the game's .mz and .sz byte layouts and writes them
// gzip-compressed, byte for byte the same on every run.
#pragma once

#include "assets/SpriteSheet.h"

#include <string>
#include <vector>

struct BITMAP;

namespace mztool {

using Bytes = std::vector<unsigned char>;

// The .mz image body: width, height, then RGB triples row by row.
Bytes encodeImage(BITMAP* bitmap);
// The .sz layout: the image body, the frame table, then the animation records.
Bytes encodeSheet(BITMAP* bitmap, const std::vector<FrameRect>& frames, const std::vector<Animation>& animations);
// Writes the bytes with gzip at the best compression; the header's time stamp stays 0.
bool writeCompressed(const std::string& path, const Bytes& bytes, std::string& error);

} // namespace mztool
