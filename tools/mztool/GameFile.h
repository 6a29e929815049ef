// An .mz image or .sz sheet read exactly the way the game reads it, for the commands that
// inspect or unpack existing files.
#pragma once

#include "assets/BitmapPtr.h"
#include "assets/SpriteSheet.h"

#include <memory>
#include <string>

struct BITMAP;

namespace mztool {


class GameFile {
public:
    // Chooses the format by the extension (.mz or .sz). False with `error` set when the file
    // is missing, of another kind, or one the game would not accept.
    bool load(const std::string& path, std::string& error);

    bool isSheet() const { return sheet != nullptr; }
    BITMAP* image() const { return sheet ? sheet->image : single.get(); }

    std::unique_ptr<SpriteSheet> sheet;
    BitmapPtr single;
};

// The extension of a path including the dot, lower-cased ("" when there is none).
std::string extensionOf(const std::string& path);

} // namespace mztool
