#include "files/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int TemporaryNameTries = 100;
// As many as the system follows in one path before it gives up.
constexpr int MostLinksFollowed = 40;
constexpr std::chrono::minutes StaleTemporaryAge{10};

std::string errnoText()
{
    return std::strerror(errno);
}

// Writes every byte, retrying short writes and interruptions.
bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// A new file beside path, named path.tmp-XXXXXX, created exclusively with 0666 less the umask.
int createTemporary(const std::string& path, std::string& temporary)
{
    std::random_device device;
    std::minstd_rand random(device());
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".tmp-%06x", static_cast<unsigned>(random() & 0xffffff));
        temporary = path + suffix;
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Temporaries of writes that a crash, kill or power cut cut short: any older than a write could
// take, so that another game's write in progress is left alone.
void removeStaleTemporaries(const std::filesystem::path& path)
{
    const auto stale = std::filesystem::file_time_type::clock::now() - StaleTemporaryAge;
    const std::string prefix = path.filename().string() + ".tmp-";
    // Stepped with error codes: a folder changing under the walk ends it quietly, never throws.
    std::error_code error;
    for (std::filesystem::directory_iterator entry(path.parent_path(), error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (entry->path().filename().string().rfind(prefix, 0) == 0 && entry->is_regular_file(ignored) &&
            entry->last_write_time(ignored) < stale)
            std::filesystem::remove(entry->path(), ignored);
    }
}

// Where a chain of symbolic links starting at path ends (path itself when it is no link), or why
// it cannot be followed.
std::string finalTarget(const std::string& path, std::string& target)
{
    std::filesystem::path at(path);
    std::error_code error;
    for (int hops = 0; std::filesystem::is_symlink(std::filesystem::symlink_status(at, error)); ++hops) {
        if (hops == MostLinksFollowed)
            return "too many levels of symbolic links";
        const std::filesystem::path to = std::filesystem::read_symlink(at, error);
        if (error)
            return error.message();
        at = to.is_absolute() ? to : at.parent_path() / to; // ".." as the system takes it, after links
    }
    target = at.string();
    return "";
}

} // namespace

int AtomicFile::openRegular(const std::string& path, std::string& error)
{
    // Non-blocking, so a pipe put where the file should be cannot hold the game up.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // A file below something that is no folder cannot be there either.
        error = errno == ENOENT || errno == ENOTDIR ? "missing" : errnoText();
        return -1;
    }
    struct stat status;
    if (fstat(fd, &status) != 0)
        error = errnoText();
    else if (!S_ISREG(status.st_mode))
        error = S_ISDIR(status.st_mode) ? "it is a folder" : "it is not a regular file";
    else if (fcntl(fd, F_SETFL, 0) != 0) // a regular file never blocks; plain reads from here
        error = errnoText();
    else
        return fd;
    close(fd);
    return -1;
}

AtomicFile::ReadResult AtomicFile::read(const std::string& path, std::size_t maxBytes)
{
    ReadResult result;
    const int fd = openRegular(path, result.error);
    if (fd < 0) {
        result.missing = result.error == "missing";
        if (result.missing)
            result.error.clear();
        return result;
    }
    const std::string tooLarge = "it is larger than " + std::to_string(maxBytes) + " bytes";
    struct stat status;
    if (fstat(fd, &status) != 0) {
        result.error = errnoText();
    } else if (static_cast<unsigned long long>(status.st_size) > maxBytes) {
        result.error = tooLarge;
    } else {
        // Room for the file as fstat saw it and one byte more: a read that fills it tells a file
        // that grew meanwhile, which may go on up to the limit (and one byte past it, to refuse it).
        std::string text(static_cast<std::size_t>(status.st_size) + 1, '\0');
        std::size_t got = 0;
        while (true) {
            if (got == text.size()) {
                if (text.size() > maxBytes)
                    break;
                text.resize(std::min(text.size() * 2, maxBytes + 1));
            }
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n < 0)
                    result.error = errnoText();
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        if (result.error.empty() && got > maxBytes)
            result.error = tooLarge;
        if (result.error.empty()) {
            text.resize(got);
            result.text = std::move(text);
        }
    }
    close(fd);
    return result;
}

std::string AtomicFile::write(const std::string& linkOrPath, const std::string& text)
{
    // A symbolic link (a file kept among the player's dotfiles) is written through, not replaced by
    // a file; a loop is refused.
    std::string path;
    const std::string failure = finalTarget(linkOrPath, path);
    if (!failure.empty())
        return "cannot follow " + linkOrPath + " (" + failure + ")";
    const bool linked = path != linkOrPath;
    const std::string shown = linked ? linkOrPath + " (a link to " + path + ")" : path;
    const std::filesystem::path target(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    // Only a regular file is replaced: a device, pipe, socket or folder stays what it is.
    std::error_code error;
    const std::filesystem::file_type found = std::filesystem::symlink_status(target, error).type();
    if (found != std::filesystem::file_type::not_found && found != std::filesystem::file_type::regular &&
        found != std::filesystem::file_type::none)
        return "cannot write " + shown + " (it is not a regular file)";
    // A link's target is written only in a folder that is there: none is made for it.
    if (linked && !std::filesystem::is_directory(folder, error))
        return "cannot write " + shown + " (" + folder + " is no folder)";
    std::filesystem::create_directories(folder, error);
    if (error)
        return "cannot create " + folder + " (" + error.message() + ")";
    removeStaleTemporaries(target);
    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
        return "cannot write in " + folder + " (" + errnoText() + ")";
    bool written = writeAll(fd, text) && fsync(fd) == 0;
    std::string reason = written ? "" : errnoText();
    if (close(fd) != 0 && written) {
        written = false;
        reason = errnoText();
    }
    if (written) {
        reason = moveInto(temporary, path);
        written = reason.empty();
    }
    if (!written) {
        unlink(temporary.c_str());
        return "cannot write " + shown + " (" + reason + ")";
    }
    syncFolder(folder);
    return "";
}

std::string AtomicFile::moveInto(const std::string& temporary, const std::string& path)
{
    const char* from = temporary.c_str();
    const char* to = path.c_str();
    // A few turns at most: each one meets a path that changed between two calls.
    for (int turn = 0; turn < 3; ++turn) {
        if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
            return "";
        if (errno == EEXIST) {
            // Swapped, so the check looks at what was there at the very moment of the swap.
            if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE) == 0) {
                struct stat out;
                if (lstat(from, &out) == 0 && S_ISREG(out.st_mode)) {
                    unlink(from);
                    return "";
                }
                renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE);
                return "it is not a regular file";
            }
            if (errno == ENOENT)
                continue;
        }
        if (errno != EINVAL && errno != ENOSYS)
            return errnoText();
        // A file system without these renames: the check right before a plain one.
        struct stat there;
        if (lstat(to, &there) == 0 && !S_ISREG(there.st_mode))
            return "it is not a regular file";
        return std::rename(from, to) == 0 ? "" : errnoText();
    }
    return "it keeps changing";
}

void AtomicFile::syncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}
