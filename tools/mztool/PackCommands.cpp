#include "mztool/PackCommands.h"

#include "mztool/GameFile.h"
#include "mztool/MzWriter.h"
#include "mztool/PngFile.h"
#include "mztool/SheetDescription.h"
#include "files/PlainText.h"

#include <allegro.h>

#include <ostream>

namespace mztool {

namespace {

int fail(std::ostream& err, const std::string& message)
{
    err << "mztool: " << PlainText::safeLine(message) << "\n";
    return ExitFailure;
}

} // namespace

int packImageCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& pngPath = arguments[0];
    const std::string& outputPath = arguments[1];
    std::string error;
    BitmapPtr image(readPng(pngPath, error));
    if (!image)
        return fail(err, error);
    if (!writeCompressed(outputPath, encodeImage(image.get()), error))
        return fail(err, error);
    out << PlainText::printable(outputPath) << ": image " << image->w << " x " << image->h << "\n";
    return ExitSuccess;
}

int packSheetCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& pngPath = arguments[0];
    const std::string& descriptionPath = arguments[1];
    const std::string& outputPath = arguments[2];
    std::string error;
    SheetDescription description;
    if (!description.load(descriptionPath, error))
        return fail(err, error);
    BitmapPtr image(readPng(pngPath, error));
    if (!image)
        return fail(err, error);
    if (!description.fitsImage(image->w, image->h, error))
        return fail(err, error);
    const Bytes bytes = encodeSheet(image.get(), description.frames, description.animations);
    if (!writeCompressed(outputPath, bytes, error))
        return fail(err, error);
    out << PlainText::printable(outputPath) << ": sheet " << image->w << " x " << image->h << ", " << description.frames.size()
        << " frames, " << description.animations.size() << " animations\n";
    return ExitSuccess;
}

} // namespace mztool
