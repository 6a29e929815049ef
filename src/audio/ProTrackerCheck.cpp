#include "audio/ProTrackerCheck.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace {

// Where the channel tag stands ("M.K.", "6CHN", "12CH"), and the size of the header before the
// first pattern.
constexpr std::size_t TagAt = 1080;
constexpr std::size_t HeaderBytes = 1084;
constexpr std::size_t SamplesAt = 20;
constexpr std::size_t SampleHeaderBytes = 30;
constexpr int SampleCount = 31;
constexpr std::size_t SongLengthAt = 950;
constexpr std::size_t OrdersAt = 952;
constexpr int OrderCount = 128;
constexpr int RowsPerPattern = 64;
constexpr int BytesPerCell = 4;
constexpr int MostChannels = 32;
constexpr int LoudestSample = 64;
constexpr int HighestFinetune = 15;
constexpr int PositionJump = 0xB;
constexpr int PatternBreak = 0xD;

int byteAt(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

int wordAt(const std::string& bytes, std::size_t at)
{
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

bool digit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string sampleProblem(const std::string& bytes, int sample)
{
    const std::size_t at = SamplesAt + static_cast<std::size_t>(sample) * SampleHeaderBytes + 22;
    const int length = wordAt(bytes, at);
    const int loopStart = wordAt(bytes, at + 4);
    const int loopLength = wordAt(bytes, at + 6);
    const std::string name = "sample " + std::to_string(sample + 1);
    if (byteAt(bytes, at + 2) > HighestFinetune)
        return name + " has a finetune past 15";
    if (byteAt(bytes, at + 3) > LoudestSample)
        return name + " is louder than 64";
    if (loopLength > 1 && loopStart + loopLength > length)
        return name + " loops past its end";
    return "";
}

// The number of channels the tag names (2 to 32); 0 for a tag that is no ProTracker one.
int channels(const std::string& bytes)
{
    if (bytes.size() < HeaderBytes)
        return 0;
    const std::string tag = bytes.substr(TagAt, 4);
    int count = 0;
    if (tag == "M.K.")
        count = 4;
    else if (digit(tag[0]) && tag.compare(1, 3, "CHN") == 0)
        count = tag[0] - '0';
    else if (digit(tag[0]) && digit(tag[1]) && tag.compare(2, 2, "CH") == 0)
        count = (tag[0] - '0') * 10 + (tag[1] - '0');
    return count >= 2 && count <= MostChannels ? count : 0;
}

} // namespace

std::string ProTrackerCheck::problem(const std::string& bytes)
{
    const int channelCount = channels(bytes);
    if (channelCount == 0)
        return "not a ProTracker module";
    const std::string shape = shapeProblem(bytes, channelCount);
    return shape.empty() ? shape : "not a module the game plays: " + shape;
}

std::string ProTrackerCheck::shapeProblem(const std::string& bytes, int channelCount)
{
    const int songLength = byteAt(bytes, SongLengthAt);
    if (songLength < 1 || songLength > OrderCount)
        return "a song of " + std::to_string(songLength) + " positions";
    int patterns = 0;
    for (int i = 0; i < OrderCount; ++i)
        patterns = std::max(patterns, byteAt(bytes, OrdersAt + i) + 1);
    if (patterns > OrderCount)
        return "an order past pattern 127";
    const std::size_t patternBytes = static_cast<std::size_t>(RowsPerPattern) * channelCount * BytesPerCell;
    if (bytes.size() < HeaderBytes + patterns * patternBytes)
        return "it ends before pattern " + std::to_string(patterns - 1);
    // The samples' data follows the patterns, in order, two bytes a word of their lengths.
    std::size_t sampleEnd = HeaderBytes + patterns * patternBytes;
    for (int sample = 0; sample < SampleCount; ++sample) {
        const std::string problem = sampleProblem(bytes, sample);
        if (!problem.empty())
            return problem;
        sampleEnd += 2 * static_cast<std::size_t>(wordAt(bytes, SamplesAt + sample * SampleHeaderBytes + 22));
        if (bytes.size() < sampleEnd)
            return "it ends inside sample " + std::to_string(sample + 1);
    }
    for (std::size_t cell = HeaderBytes; cell < HeaderBytes + patterns * patternBytes; cell += BytesPerCell) {
        const int sample = (byteAt(bytes, cell) & 0xF0) | byteAt(bytes, cell + 2) >> 4;
        const int effect = byteAt(bytes, cell + 2) & 0x0F;
        const int argument = byteAt(bytes, cell + 3);
        const std::size_t index = (cell - HeaderBytes) / BytesPerCell;
        const std::string where = "pattern " + std::to_string(index / (RowsPerPattern * channelCount)) + ", row " +
                                  std::to_string(index / channelCount % RowsPerPattern);
        if (sample > SampleCount)
            return where + " names sample " + std::to_string(sample);
        if (effect == PositionJump && argument >= songLength)
            return where + " jumps past the song's end";
        if (effect == PatternBreak && (argument >> 4 > 9 || (argument & 0x0F) > 9 ||
                                       (argument >> 4) * 10 + (argument & 0x0F) >= RowsPerPattern))
            return where + " breaks to a row past the pattern's end";
    }
    return "";
}
