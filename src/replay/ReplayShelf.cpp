#include "replay/ReplayShelf.h"

#include "files/AtomicFile.h"
#include "files/PlayerFolder.h"
#include "replay/ReplayFile.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace {

constexpr const char* RunPrefix = "run-";

// Removes the oldest runs (their names sort by when they began) beyond the count kept.
void pruneRuns(const std::string& folder)
{
    std::error_code error;
    std::vector<std::string> runs;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.rfind(RunPrefix, 0) == 0 && entry->path().extension() == ReplayFile::Extension &&
            entry->is_regular_file(error))
            runs.push_back(name);
    }
    if (runs.size() <= ReplayShelf::KeptRuns)
        return;
    std::sort(runs.begin(), runs.end());
    for (std::size_t i = 0; i + ReplayShelf::KeptRuns < runs.size(); ++i)
        std::filesystem::remove(folder + "/" + runs[i], error);
    AtomicFile::syncFolder(folder);
}

// Whether the run beats the best kept (a missing or unreadable best is beaten by any finished run).
bool beatsBest(const std::string& path, const Replay& replay)
{
    std::string bytes;
    std::string why;
    if (!AtomicFile::read(path, ReplayFile::MaxBytes).take(bytes, why))
        return true;
    const ReplayFile::Parsed best = ReplayFile::parseHeader(bytes);
    return !best.replay || replay.end.wave > best.replay->end.wave ||
           (replay.end.wave == best.replay->end.wave && replay.end.moneyEarned > best.replay->end.moneyEarned);
}

} // namespace

ReplayShelf::ReplayShelf(std::string folder)
    : folder(std::move(folder))
{
}

std::string ReplayShelf::defaultFolder()
{
    const std::string data = PlayerFolder::of(PlayerFolder::Kind::Data);
    return data.empty() ? data : data + "/replays";
}

std::string ReplayShelf::runName(long long startedAt, unsigned number)
{
    const std::time_t when = static_cast<std::time_t>(startedAt);
    std::tm parts{};
    gmtime_r(&when, &parts);
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d%02d%02d-%02d%02d%02d-%u%s", RunPrefix, parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, number,
                  ReplayFile::Extension);
    return name;
}

std::string ReplayShelf::bestName(const Replay& replay)
{
    return "best-" + replay.mode + "-" + replay.difficulty + ReplayFile::Extension;
}

void ReplayShelf::store(const std::string& folder, const std::string& name, const Replay& replay, bool finished)
{
    const std::string bytes = ReplayFile::write(replay);
    if (!AtomicFile::write(folder + "/" + name, bytes).empty() || !finished)
        return;
    const std::string best = folder + "/" + bestName(replay);
    if (replay.gameOver && beatsBest(best, replay))
        AtomicFile::write(best, bytes);
    pruneRuns(folder);
}

void ReplayShelf::keep(const std::string& name, const Replay& replay, bool finished)
{
    if (folder.empty())
        return;
    auto copy = std::make_shared<Replay>(replay);
    const std::string where = folder;
    writer.post(name, [where, name, copy, finished] { store(where, name, *copy, finished); });
}

std::optional<Replay> ReplayShelf::load(const std::string& name)
{
    if (folder.empty() || name.empty() || name.find('/') != std::string::npos)
        return std::nullopt;
    writer.finish();
    return ReplayFile::read(folder + "/" + name).replay;
}
