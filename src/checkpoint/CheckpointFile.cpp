#include "checkpoint/CheckpointFile.h"

#include "checkpoint/CheckpointText.h"
#include "files/AtomicFile.h"
#include "files/DataSetChecksum.h"
#include "files/FileLock.h"
#include "files/PlayerFolder.h"
#include "files/PlainText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <system_error>

namespace {

// Names tried for a refused file; when all are taken it stays where it is.
constexpr int MostBadNames = 1000;

void warn(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: checkpoint: %s\n", PlainText::safeLine(message).c_str());
}

// Renames from to to, unless a file named to is there: nothing is ever renamed over one.
bool moveWithoutReplacing(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a new name is linked only where none is.
    if (link(from.c_str(), to.c_str()) != 0)
        return false;
    unlink(from.c_str());
    return true;
}

} // namespace

CheckpointFile::CheckpointFile(const std::string& folder, const std::string& configPath)
    : folder(folder)
    , file(folder.empty() ? "" : (std::filesystem::path(folder) / nameFor(configPath)).string())
{
}

std::string CheckpointFile::nameFor(const std::string& configPath)
{
    return "checkpoint-" + DataSetChecksum::of(configPath) + ".txt";
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
    const std::string text = CheckpointText::write(checkpoint);
    const CheckpointText::Parsed check = CheckpointText::parse(text);
    const std::string failure =
        file.empty()       ? "no folder for it (neither XDG_STATE_HOME nor HOME names an absolute folder)"
        : !check.checkpoint ? "the run is beyond what a checkpoint holds (" + check.problem + ")"
                            : AtomicFile::write(file, text);
    // A folder that cannot be written is told once, not at every wave, until a save succeeds again.
    if (!failure.empty() && !toldFailure)
        warn(failure + "; the run is not kept");
    toldFailure = !failure.empty();
    return failure.empty();
}

std::unique_ptr<FileLock> CheckpointFile::lock() const
{
    if (file.empty())
        return nullptr;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::make_unique<FileLock>(file + ".lock", FileLock::Mode::Try);
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

bool CheckpointFile::setAside(std::string& outcome) const
{
    for (int n = 1; n <= MostBadNames; ++n) {
        const std::string bad = file + (n == 1 ? "" : "." + std::to_string(n)) + ".bad";
        if (moveWithoutReplacing(file, bad)) {
            AtomicFile::syncFolder(folder);
            outcome = bad;
            return true;
        }
        if (errno != EEXIST) {
            outcome = std::strerror(errno);
            return false;
        }
    }
    outcome = "every name up to " + file + "." + std::to_string(MostBadNames) + ".bad is taken";
    return false;
}
