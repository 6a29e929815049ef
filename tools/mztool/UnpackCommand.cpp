#include "mztool/UnpackCommand.h"

#include "mztool/GameFile.h"
#include "mztool/PngFile.h"
#include "mztool/SheetDescription.h"
#include "files/PlainText.h"

#include <filesystem>
#include <fstream>
#include <ostream>

namespace mztool {

namespace {

int fail(std::ostream& err, const std::string& message)
{
    err << "mztool: " << PlainText::safeLine(message) << "\n";
    return ExitFailure;
}

bool writeText(const std::string& path, const std::string& text, std::string& error)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (!file) {
        error = path + ": cannot write";
        return false;
    }
    return true;
}

} // namespace

int unpackCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& inputPath = arguments[0];
    const std::filesystem::path outputDir(arguments[1]);
    std::string error;
    GameFile file;
    if (!file.load(inputPath, error))
        return fail(err, error);
    std::error_code directoryError;
    std::filesystem::create_directories(outputDir, directoryError);
    if (directoryError || !std::filesystem::is_directory(outputDir))
        return fail(err, outputDir.string() + ": cannot create directory");

    const std::filesystem::path input(inputPath);
    const std::string name = input.stem().string();
    const std::string pngPath = (outputDir / (name + ".png")).string();
    if (!writePng(pngPath, file.image(), error))
        return fail(err, error);
    out << PlainText::printable(pngPath) << "\n";
    if (!file.isSheet())
        return ExitSuccess;

    SheetDescription description;
    description.frames = file.sheet->frameRects;
    description.animations = file.sheet->animations;
    const std::string textPath = (outputDir / (name + ".txt")).string();
    const std::string title = "Frames and animations of " + input.filename().string() + " (mztool unpack)";
    if (!writeText(textPath, description.format(title), error))
        return fail(err, error);
    out << PlainText::printable(textPath) << "\n";
    return ExitSuccess;
}

} // namespace mztool
