#include "mztool/InfoCommand.h"

#include "mztool/GameFile.h"
#include "files/PlainText.h"

#include <allegro.h>

#include <ostream>

namespace mztool {

int infoCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string path = PlainText::printable(arguments[0]);
    std::string error;
    GameFile file;
    if (!file.load(arguments[0], error)) {
        err << "mztool: " << PlainText::safeLine(error) << "\n";
        return ExitFailure;
    }
    const BITMAP* image = file.image();
    if (!file.isSheet()) {
        out << path << ": image " << image->w << " x " << image->h << "\n";
        return ExitSuccess;
    }
    const SpriteSheet& sheet = *file.sheet;
    out << path << ": sheet " << image->w << " x " << image->h << ", " << sheet.frames.size() << " frames, "
        << sheet.animationCount << " animations\n";
    for (std::size_t i = 0; i < sheet.frameRects.size(); ++i) {
        const FrameRect& r = sheet.frameRects[i];
        out << "  frame " << i << ": " << r.w << " x " << r.h << " at (" << r.x << ", " << r.y << ")\n";
    }
    for (std::size_t i = 0; i < sheet.animations.size(); ++i) {
        const Animation& animation = sheet.animations[i];
        out << "  animation " << i << ": " << animation.framesPerSecond << " fps, " << animation.frameCount
            << " entries, cycle " << animation.cycleDuration() << " s:";
        for (int frame : animation.frameIndices)
            out << " " << frame;
        out << "\n";
    }
    return ExitSuccess;
}

} // namespace mztool
