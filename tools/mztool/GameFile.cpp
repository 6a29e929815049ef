#include "mztool/GameFile.h"

#include "assets/MzImage.h"
#include "files/AtomicFile.h"

#include <allegro.h>

#include <algorithm>
#include <cctype>
#include <unistd.h>
#include <filesystem>

namespace mztool {

std::string extensionOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool GameFile::load(const std::string& path, std::string& error)
{
    sheet.reset();
    single.reset();
    const std::string extension = extensionOf(path);
    if (extension != ".mz" && extension != ".sz") {
        error = path + ": expected a .mz image or a .sz sheet";
        return false;
    }
    std::string reason;
    const int fd = AtomicFile::openRegular(path, reason);
    if (fd < 0) {
        error = path + ": cannot open" + (reason == "missing" ? "" : " (" + reason + ")");
        return false;
    }
    close(fd); // a regular file: the loaders below open it again
    if (extension == ".mz") {
        single.reset(loadMzImage(path.c_str(), nullptr));
        if (!single) {
            error = path + ": not a valid .mz image (truncated, or a side of 0 or above " +
                    std::to_string(MaxMzImageSide) + ")";
            return false;
        }
        return true;
    }
    sheet = std::make_unique<SpriteSheet>(path);
    if (sheet->empty()) {
        sheet.reset();
        error = path + ": not a valid .sz sheet (truncated, or with a broken image, frame or animation)";
        return false;
    }
    return true;
}

} // namespace mztool
