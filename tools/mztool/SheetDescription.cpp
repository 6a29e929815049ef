#include "mztool/SheetDescription.h"

#include "files/AtomicFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace mztool {

namespace {

constexpr long MaxU16 = 65535;
constexpr std::size_t MaxFileBytes = 16 * 1024 * 1024;

bool parseNumber(const std::string& word, long maximum, long& value)
{
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= 0 && value <= maximum;
}

bool parseRate(const std::string& word, float& value)
{
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value) && value > 0.0f;
}

// A word from the file, made safe to quote in a message.
std::string quoted(const std::string& word)
{
    constexpr std::size_t MaxQuoted = 24;
    std::string shown;
    for (char c : word.substr(0, MaxQuoted))
        shown += (c >= 0x20 && c < 0x7f) ? c : '?';
    return "'" + shown + (word.size() > MaxQuoted ? "...'" : "'");
}

// The `count` numbers after the keyword, each a u16 of the file.
bool parseFields(const std::vector<std::string>& words, long* values, std::size_t count, std::string& problem)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (!parseNumber(words[i + 1], MaxU16, values[i])) {
            problem = quoted(words[i + 1]) + " is not a whole number from 0 to 65535";
            return false;
        }
    }
    return true;
}

std::vector<std::string> splitWords(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

std::string lineLocation(const std::string& file, int line)
{
    return file + ":" + std::to_string(line) + ": ";
}

} // namespace

bool SheetDescription::parse(const std::string& text, const std::string& fileName, std::string& error)
{
    *this = SheetDescription();
    sourceName = fileName;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        ++currentLine;
        const std::vector<std::string> words = splitWords(line);
        if (words.empty() || words[0][0] == '#')
            continue;
        std::string problem;
        if (!parseLine(words, problem)) {
            error = lineLocation(sourceName, currentLine) + problem;
            return false;
        }
    }
    return checkAnimationFrames(error);
}

bool SheetDescription::load(const std::string& path, std::string& error)
{
    const AtomicFile::ReadResult file = AtomicFile::read(path, MaxFileBytes);
    if (!file.text) {
        error = path + ": cannot open sheet description" + (file.missing ? "" : " (" + file.error + ")");
        return false;
    }
    return parse(*file.text, path, error);
}

bool SheetDescription::parseLine(const std::vector<std::string>& words, std::string& problem)
{
    if (words[0] == "frame")
        return parseFrame(words, problem);
    if (words[0] == "grid")
        return parseGrid(words, problem);
    if (words[0] == "animation")
        return parseAnimation(words, problem);
    problem = "unknown keyword " + quoted(words[0]) + " (expected frame, grid or animation)";
    return false;
}

bool SheetDescription::addFrame(const FrameRect& rect, std::string& problem)
{
    if (frames.size() >= static_cast<std::size_t>(MaxSheetFrames)) {
        problem = "more than " + std::to_string(MaxSheetFrames) + " frames";
        return false;
    }
    frames.push_back(rect);
    frameLines.push_back(currentLine);
    return true;
}

bool SheetDescription::parseFrame(const std::vector<std::string>& words, std::string& problem)
{
    long v[4];
    if (words.size() != 5) {
        problem = "expected 'frame X Y W H'";
        return false;
    }
    return parseFields(words, v, 4, problem) && addFrame({int(v[0]), int(v[1]), int(v[2]), int(v[3])}, problem);
}

bool SheetDescription::parseGrid(const std::vector<std::string>& words, std::string& problem)
{
    long v[5];
    if (words.size() != 6) {
        problem = "expected 'grid X Y W H COUNT'";
        return false;
    }
    if (!parseFields(words, v, 5, problem))
        return false;
    for (long i = 0; i < v[4]; ++i) {
        const long x = v[0] + i * v[2];
        if (x > MaxU16) {
            problem = "grid frame " + std::to_string(i) + " starts beyond x = 65535";
            return false;
        }
        if (!addFrame({int(x), int(v[1]), int(v[2]), int(v[3])}, problem))
            return false;
    }
    return true;
}

bool SheetDescription::parseAnimation(const std::vector<std::string>& words, std::string& problem)
{
    if (animations.size() >= static_cast<std::size_t>(MaxSheetAnimations)) {
        problem = "more than " + std::to_string(MaxSheetAnimations) + " animations";
        return false;
    }
    if (words.size() < 3) {
        problem = "expected 'animation FPS F0 F1 ...' with at least one frame";
        return false;
    }
    if (words.size() - 2 > static_cast<std::size_t>(MaxU16)) {
        problem = "more than 65535 entries in one animation";
        return false;
    }
    Animation animation;
    if (!parseRate(words[1], animation.framesPerSecond)) {
        problem = quoted(words[1]) + " is not a positive number of frames per second";
        return false;
    }
    for (std::size_t i = 2; i < words.size(); ++i) {
        long frame = 0;
        if (!parseNumber(words[i], MaxU16, frame)) {
            problem = quoted(words[i]) + " is not a frame number";
            return false;
        }
        animation.frameIndices.push_back(static_cast<int>(frame));
    }
    animation.frameCount = static_cast<std::uint32_t>(animation.frameIndices.size());
    animations.push_back(std::move(animation));
    animationLines.push_back(currentLine);
    return true;
}

bool SheetDescription::checkAnimationFrames(std::string& error) const
{
    for (std::size_t a = 0; a < animations.size(); ++a) {
        for (int frame : animations[a].frameIndices) {
            if (static_cast<std::size_t>(frame) >= frames.size()) {
                error = lineLocation(sourceName, animationLines[a]) + "frame " + std::to_string(frame) +
                        " does not exist (the sheet has " + std::to_string(frames.size()) + " frames)";
                return false;
            }
        }
    }
    return true;
}

bool SheetDescription::fitsImage(int width, int height, std::string& error) const
{
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const FrameRect& r = frames[i];
        if (r.w > 0 && r.h > 0 && r.x + r.w <= width && r.y + r.h <= height)
            continue;
        error = lineLocation(sourceName, frameLines.empty() ? 0 : frameLines[i]) + "frame " + std::to_string(i) +
                " (" + std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.w) + " " +
                std::to_string(r.h) + ") is empty or not inside the " + std::to_string(width) + " x " +
                std::to_string(height) + " image";
        return false;
    }
    return true;
}

std::string SheetDescription::format(const std::string& title) const
{
    std::string text = "# " + title + "\n";
    text += "# frame X Y W H: frames are numbered from 0 in order\n";
    text += "# animation FPS FRAME...: animations are numbered from 0 in order\n";
    for (const FrameRect& r : frames)
        text += "frame " + std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.w) + " " +
                std::to_string(r.h) + "\n";
    for (const Animation& animation : animations) {
        // The fewest digits that read back as the same rate, with a point in every locale.
        char rate[32];
        const auto written = std::to_chars(rate, rate + sizeof rate, animation.framesPerSecond);
        text += "animation " + std::string(rate, written.ptr);
        for (int frame : animation.frameIndices)
            text += " " + std::to_string(frame);
        text += "\n";
    }
    return text;
}

} // namespace mztool
