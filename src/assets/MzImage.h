// The game's single-image format (.mz): two little-endian u16 (width, height) and then
// width x height RGB triples, row by row, usually gzip-compressed.
#pragma once

#include <zlib.h>

struct BITMAP;
struct RGB;

// Images larger than this on either side are refused, so a broken header cannot make the
// game allocate without bound.
constexpr int MaxMzImageSide = 4096;

// Opens a regular file for reading through zlib (compressed or not); null when it is missing or
// is a pipe, device or folder, which are never waited on.
gzFile openMzStream(const char* path);
// Reads a little-endian u16; -1 when the stream ends first.
int readU16(gzFile stream);
// Reads one image body and leaves the stream just after its last pixel byte. Returns null for
// a null stream, a truncated body, or a width or height of 0 or above MaxMzImageSide.
BITMAP* readMzImage(gzFile stream);
// The loader Allegro's load_bitmap uses for the extension "mz"; the palette is not used.
BITMAP* loadMzImage(const char* path, RGB* palette);
// Registers loadMzImage for the extension "mz".
void registerMzLoader();
