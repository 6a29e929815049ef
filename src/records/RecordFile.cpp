#include "records/RecordFile.h"

#include "files/AtomicFile.h"
#include "files/DataSetChecksum.h"
#include "files/FileLock.h"
#include "files/FileWriter.h"
#include "files/PlainText.h"
#include "files/PlayerFolder.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <limits>

namespace {

// A record is one number on a line; anything longer is not a record file of ours.
constexpr std::size_t MaxRecordBytes = 32;

void warn(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: best record: %s\n", PlainText::safeLine(message).c_str());
}

// The number on a record file's one line, or nothing when the text is anything else.
std::optional<int> parseRecord(const char* text, std::size_t length)
{
    const std::optional<long long> value =
        PlainText::wholeNumber(PlainText::trim(std::string(text, length)), 0, std::numeric_limits<int>::max());
    if (!value)
        return std::nullopt;
    return static_cast<int>(*value);
}

// Normal's record keeps the name it has always had; the others are told apart by their level.
std::string suffixOf(Difficulty::Level level)
{
    if (level == Difficulty::Level::Normal)
        return "";
    std::string name = Difficulty::nameOf(level);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "-" + name;
}

// Classic's records keep their names; the other modes' name their mode.
std::string modeSuffixOf(GameMode mode)
{
    return mode == GameMode::Classic ? "" : "-mixed";
}

} // namespace

RecordFile::RecordFile(const std::string& folder, const std::string& configPath, Difficulty::Level level)
    : RecordFile(folder, configPath, GameMode::Classic, level)
{
}

RecordFile::RecordFile(const std::string& folder, const std::string& configPath, GameMode mode, Difficulty::Level level,
                       std::shared_ptr<FileWriter> recordWriter)
    : folder(folder)
    , file((std::filesystem::path(folder) / ("best-" + DataSetChecksum::of(configPath) + modeSuffixOf(mode) +
                                             suffixOf(level) + ".txt"))
               .string())
    , writer(recordWriter ? std::move(recordWriter) : std::make_shared<FileWriter>())
{
}

RecordFile::~RecordFile()
{
    // A new record handed to the writer is on disk before the game goes.
    if (writer)
        writer->finish();
}

std::string RecordFile::defaultFolder()
{
    return PlayerFolder::of(PlayerFolder::Kind::Data);
}

std::optional<int> RecordFile::load()
{
    if (folder.empty()) {
        warnOnce("no folder for it (neither XDG_DATA_HOME nor HOME names an absolute folder); no record is read or "
                 "kept");
        return std::nullopt;
    }
    return read();
}

std::optional<int> RecordFile::read()
{
    std::optional<int> onDisk = readFile();
    if (handedOver && *handedOver > onDisk.value_or(0))
        return handedOver;
    return onDisk;
}

std::optional<int> RecordFile::readFile()
{
    const AtomicFile::ReadResult text = AtomicFile::read(file, MaxRecordBytes);
    if (text.missing)
        return std::nullopt;
    if (!text.error.empty()) {
        warnOnce("cannot read " + file + " (" + text.error + "); taken as no record");
        return std::nullopt;
    }
    std::optional<int> best = parseRecord(text.text->data(), text.text->size());
    if (!best)
        warnOnce(file + " is not a record; taken as no record");
    return best;
}

RecordStore::Offer RecordFile::keepIfHigher(int waves)
{
    if (folder.empty())
        return {};
    // Only a count above the record needs the lock: most games end below it.
    const std::optional<int> seen = read();
    if (waves <= seen.value_or(0))
        return {seen, false};
    std::error_code created;
    std::filesystem::create_directories(folder, created);
    auto lock = std::make_shared<FileLock>(file + ".lock", FileLock::Mode::Try);
    if (lock->busy())
        return {seen, true};
    const std::optional<int> stored = read();
    if (waves <= stored.value_or(0))
        return {stored, false};
    if (!lock->held()) {
        warnOnce("cannot lock " + file + ".lock (" + lock->error() + "); the new record is not kept");
        return {stored, false};
    }
    // The lock goes with the write: no other game writes the file until the new record is in it.
    handedOver = waves;
    writer->post(file, [path = file, told = told, waves, held = std::move(lock)] {
        const std::string failure = AtomicFile::write(path, std::to_string(waves) + "\n");
        if (!failure.empty())
            warnOnce(*told, failure + "; the new record is not kept");
    });
    return {stored, false};
}

void RecordFile::warnOnce(const std::string& message)
{
    warnOnce(*told, message);
}

void RecordFile::warnOnce(Told& told, const std::string& message)
{
    // The same fault found again (at start-up and at game over) is not told twice.
    const std::lock_guard<std::mutex> guard(told.mutex);
    if (message != told.last)
        warn(message);
    told.last = message;
}
