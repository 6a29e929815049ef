#include "checkpoint/CheckpointFile.h"

#include "checkpoint/CheckpointText.h"
#include "files/AtomicFile.h"
#include "files/DataSetChecksum.h"
#include "files/PlayerFolder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// Names tried for a refused file before the last one is reused.
constexpr int MostBadNames = 1000;

void warn(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: checkpoint: %s\n", message.c_str());
}

} // namespace

CheckpointFile::CheckpointFile(const std::string& folder, const std::string& configPath)
    : folder(folder)
    , file(folder.empty() ? ""
                          : (std::filesystem::path(folder) / ("checkpoint-" + DataSetChecksum::of(configPath) + ".txt"))
                                .string())
{
}

std::string CheckpointFile::defaultFolder()
{
    return PlayerFolder::of(PlayerFolder::Kind::State);
}

CheckpointFile::Loaded CheckpointFile::load() const
{
    Loaded loaded;
    if (file.empty()) {
        loaded.missing = true;
        return loaded;
    }
    const AtomicFile::ReadResult read = AtomicFile::read(file, CheckpointText::MaxBytes);
    loaded.missing = read.missing;
    if (read.missing)
        return loaded;
    if (!read.error.empty()) {
        loaded.problem = "cannot be read: " + read.error;
        return loaded;
    }
    CheckpointText::Parsed parsed = CheckpointText::parse(*read.text);
    loaded.checkpoint = std::move(parsed.checkpoint);
    loaded.problem = std::move(parsed.problem);
    return loaded;
}

bool CheckpointFile::save(const Checkpoint& checkpoint) const
{
    const std::string failure =
        file.empty() ? "no folder for it (neither XDG_STATE_HOME nor HOME names an absolute folder)"
                     : AtomicFile::write(file, CheckpointText::write(checkpoint));
    // A folder that cannot be written is told once, not at every wave, until a save succeeds again.
    if (!failure.empty() && !toldFailure)
        warn(failure + "; the run is not kept");
    toldFailure = !failure.empty();
    return failure.empty();
}

void CheckpointFile::remove() const
{
    if (file.empty())
        return;
    std::error_code error;
    if (std::filesystem::remove(file, error))
        AtomicFile::syncFolder(folder);
    else if (error)
        warn("cannot delete " + file + ": " + error.message());
}

std::string CheckpointFile::setAside() const
{
    std::string bad = file + ".bad";
    std::error_code error;
    for (int n = 2; n <= MostBadNames && std::filesystem::symlink_status(bad, error).type() !=
                                             std::filesystem::file_type::not_found;
         ++n)
        bad = file + "." + std::to_string(n) + ".bad";
    std::filesystem::rename(file, bad, error);
    if (error)
        return "";
    AtomicFile::syncFolder(folder);
    return bad;
}
