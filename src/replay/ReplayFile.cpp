#include "replay/ReplayFile.h"

#include "files/AtomicFile.h"
#include "replay/TapeCompression.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr const char* Magic = "squibble-siege replay ";
constexpr std::size_t MaxLine = 256;
constexpr std::size_t MaxMarks = 100000;

template <typename Number>
void put(std::string& out, Number value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void putMark(std::string& out, const char* key, const RunMark& mark)
{
    out += key;
    for (long long value : {static_cast<long long>(mark.wave), mark.money, static_cast<long long>(mark.health),
                            static_cast<long long>(mark.invadersDestroyed), static_cast<long long>(mark.invadersEscaped),
                            mark.moneyEarned, mark.moneySpent, static_cast<long long>(mark.towersBuilt),
                            static_cast<long long>(mark.upgradesBought)}) {
        out += ' ';
        put(out, value);
    }
    out += '\n';
}

// The text still to read, line by line.
struct Lines {
    const std::string& bytes;
    std::size_t position = 0;

    bool next(std::string& line)
    {
        const std::size_t end = bytes.find('\n', position);
        if (end == std::string::npos || end - position > MaxLine)
            return false;
        line.assign(bytes, position, end - position);
        position = end + 1;
        return true;
    }
    // "NAME BYTES", a newline and that many bytes.
    bool block(const std::string& name, std::string& out);
    bool atEnd() const { return position == bytes.size(); }
};

template <typename Number>
bool number(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool readMark(const std::string& values, RunMark& mark)
{
    long long figures[9];
    std::size_t start = 0;
    for (long long& figure : figures) {
        if (start > values.size())
            return false;
        const std::size_t space = values.find(' ', start);
        const std::string field = values.substr(start, space == std::string::npos ? std::string::npos : space - start);
        if (!number(field, figure) || figure < 0 || figure > (1LL << 53))
            return false;
        start = space == std::string::npos ? values.size() + 1 : space + 1;
    }
    if (start != values.size() + 1 || figures[0] > 1000000000 || figures[2] > 1000000000 || figures[3] > 1000000000 ||
        figures[4] > 1000000000 || figures[7] > 1000000000 || figures[8] > 1000000000)
        return false;
    mark = {static_cast<int>(figures[0]), figures[1], static_cast<int>(figures[2]), static_cast<int>(figures[3]),
            static_cast<int>(figures[4]), figures[5], figures[6], static_cast<int>(figures[7]),
            static_cast<int>(figures[8])};
    return true;
}

bool Lines::block(const std::string& name, std::string& out)
{
    std::string line;
    std::size_t size = 0;
    if (!next(line) || line.compare(0, name.size() + 1, name + " ") != 0 || !number(line.substr(name.size() + 1), size) ||
        size > bytes.size() - position)
        return false;
    out.assign(bytes, position, size);
    position += size;
    return true;
}

void putBlock(std::string& out, const char* name, const std::string& bytes)
{
    out += name;
    out += ' ';
    put(out, bytes.size());
    out += '\n';
    out += bytes;
}

ReplayFile::Parsed refused(const std::string& why) { return {std::nullopt, why}; }

// The tape as kept, or unpacked.
bool readTape(Lines& lines, bool unpack, std::string& tape)
{
    std::string packed;
    if (!lines.block("tape", packed))
        return false;
    if (!unpack)
        return true;
    std::optional<std::string> unpacked = TapeCompression::unpack(packed, ReplayFile::MaxTapeBytes);
    if (unpacked)
        tape = std::move(*unpacked);
    return unpacked.has_value();
}

// "part SEED FRAMES", the checkpoint it starts from, and its tape.
std::string readPart(Lines& lines, bool unpack, ReplayPart& part)
{
    std::string line;
    const std::size_t space = 5;
    if (!lines.next(line) || line.compare(0, space, "part ") != 0)
        return "a resumed part does not begin with \"part ...\"";
    const std::size_t gap = line.find(' ', space);
    if (gap == std::string::npos || !number(line.substr(space, gap - space), part.seed) ||
        !number(line.substr(gap + 1), part.frames) || part.frames < 0)
        return "a resumed part's seed or frame count does not read";
    if (!lines.block("start", part.checkpoint) || part.checkpoint.empty())
        return "a resumed part's checkpoint is cut short";
    if (!readTape(lines, unpack, part.tape))
        return "a resumed part's tape is cut short or does not unpack";
    return "";
}

} // namespace

bool RunMark::operator==(const RunMark& other) const
{
    return wave == other.wave && money == other.money && health == other.health &&
           invadersDestroyed == other.invadersDestroyed && invadersEscaped == other.invadersEscaped &&
           moneyEarned == other.moneyEarned && moneySpent == other.moneySpent && towersBuilt == other.towersBuilt &&
           upgradesBought == other.upgradesBought;
}

long long Replay::totalFrames() const
{
    long long total = frames;
    for (const ReplayPart& part : resumed)
        total += part.frames;
    return total;
}

std::string ReplayFile::write(const Replay& replay)
{
    std::string out = Magic;
    put(out, Replay::FormatVersion); // an older file is written again in the format of today
    out += "\ngame " + replay.gameVersion + "\ndata " + replay.dataChecksum + "\nseed ";
    put(out, replay.seed);
    out += "\ndifficulty " + replay.difficulty + "\nmode " + replay.mode + "\nstep ";
    put(out, replay.stepLength);
    out += "\nframes ";
    put(out, replay.frames);
    out += replay.gameOver ? "\nover yes\nparts " : "\nover no\nparts ";
    put(out, replay.resumed.size() + 1);
    out += '\n';
    for (const RunMark& mark : replay.waves)
        putMark(out, "wave", mark);
    putMark(out, "end", replay.end);
    if (!replay.start.empty())
        putBlock(out, "start", replay.start);
    putBlock(out, "tape", TapeCompression::pack(replay.tape));
    for (const ReplayPart& part : replay.resumed) {
        out += "part ";
        put(out, part.seed);
        out += ' ';
        put(out, part.frames);
        out += '\n';
        putBlock(out, "start", part.checkpoint);
        putBlock(out, "tape", TapeCompression::pack(part.tape));
    }
    return out;
}

ReplayFile::Parsed ReplayFile::parse(const std::string& bytes) { return parseWith(bytes, true); }

ReplayFile::Parsed ReplayFile::parseHeader(const std::string& bytes) { return parseWith(bytes, false); }

ReplayFile::Parsed ReplayFile::parseWith(const std::string& bytes, bool unpackTape)
{
    if (bytes.size() > MaxBytes)
        return refused("longer than any replay");
    Lines lines{bytes};
    std::string line;
    if (!lines.next(line) || line.compare(0, std::strlen(Magic), Magic) != 0)
        return refused("not a replay");
    Replay replay;
    if (!number(line.substr(std::strlen(Magic)), replay.formatVersion) || replay.formatVersion < 1)
        return refused("not a replay");
    if (replay.formatVersion > Replay::FormatVersion)
        return refused("written in replay format " + std::to_string(replay.formatVersion) + ", newer than this game's " +
                       std::to_string(Replay::FormatVersion));
    const char* keys[] = {"game ", "data ", "seed ", "difficulty ", "mode ", "step ", "frames ", "over "};
    std::string values[8];
    for (int i = 0; i < 8; ++i) {
        if (!lines.next(line) || line.compare(0, std::strlen(keys[i]), keys[i]) != 0)
            return refused(std::string("no line \"") + keys[i] + "...\" where it belongs");
        values[i] = line.substr(std::strlen(keys[i]));
        // Written back as read: a header holds no control characters.
        if (std::any_of(values[i].begin(), values[i].end(), [](unsigned char c) { return c < 0x20 || c == 0x7f; }))
            return refused(std::string("the line \"") + keys[i] + "...\" holds control characters");
    }
    replay.gameVersion = values[0];
    replay.dataChecksum = values[1];
    replay.difficulty = values[3];
    replay.mode = values[4];
    if (!number(values[2], replay.seed))
        return refused("the seed is not a number");
    if (!number(values[5], replay.stepLength) || !(replay.stepLength > 0.0 && replay.stepLength < 1.0))
        return refused("the step length is not a length");
    if (!number(values[6], replay.frames) || replay.frames < 0)
        return refused("the frame count is not a count");
    if (values[7] != "yes" && values[7] != "no")
        return refused("\"over\" is neither yes nor no");
    replay.gameOver = values[7] == "yes";
    // Version 2 counts the parts, so that a file cut between two still tells.
    std::size_t parts = 1;
    if (replay.formatVersion >= 2 &&
        (!lines.next(line) || line.compare(0, 6, "parts ") != 0 || !number(line.substr(6), parts) || parts < 1 ||
         parts > Replay::MaxParts))
        return refused("no count of parts where it belongs");
    while (lines.next(line) && line.compare(0, 5, "wave ") == 0) {
        RunMark mark;
        if (replay.waves.size() >= MaxMarks || !readMark(line.substr(5), mark))
            return refused("a wave's figures do not read");
        replay.waves.push_back(mark);
    }
    if (line.compare(0, 4, "end ") != 0 || !readMark(line.substr(4), replay.end))
        return refused("the figures of the end do not read");
    // A first part that starts from a checkpoint says so before its tape.
    if (replay.formatVersion >= 2 && bytes.compare(lines.position, 6, "start ") == 0 &&
        (!lines.block("start", replay.start) || replay.start.empty()))
        return refused("the checkpoint the run starts from is cut short");
    if (!readTape(lines, unpackTape, replay.tape))
        return refused("the tape is cut short or does not unpack");
    while (replay.resumed.size() + 1 < parts) {
        replay.resumed.emplace_back();
        const std::string problem = readPart(lines, unpackTape, replay.resumed.back());
        if (!problem.empty())
            return refused(problem);
    }
    if (!lines.atEnd())
        return refused("the tape is cut short or too long");
    return {std::move(replay), ""};
}

ReplayFile::Parsed ReplayFile::read(const std::string& path)
{
    std::string bytes;
    std::string why;
    if (!AtomicFile::read(path, MaxBytes).take(bytes, why))
        return refused(why);
    return parse(bytes);
}
