#include "game/RecordFile.h"

#include <zlib.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* FolderName = "squibble-siege";
// A record is one number on a line; anything longer is not a record file of ours.
constexpr std::size_t MaxRecordBytes = 32;
constexpr std::size_t ChecksumChunk = 64 * 1024;

void warn(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: best record: %s\n", message.c_str());
}

// The number on a record file's one line, or nothing when the text is anything else.
std::optional<int> parseRecord(const char* text, std::size_t length)
{
    const char* begin = text;
    const char* end = text + length;
    while (begin < end && std::isspace(static_cast<unsigned char>(*begin)))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(end[-1])))
        --end;
    if (begin == end || !std::isdigit(static_cast<unsigned char>(*begin)))
        return std::nullopt;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// Makes the rename itself survive a power cut; a folder that cannot be synced loses nothing now.
void syncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

RecordFile::RecordFile(const std::string& folder, const std::string& configPath)
    : folder(folder)
    , file((std::filesystem::path(folder) / ("best-" + checksumOf(configPath) + ".txt")).string())
{
}

std::string RecordFile::defaultFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return (std::filesystem::path(dataHome) / FolderName).string();
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return (std::filesystem::path(home) / ".local" / "share" / FolderName).string();
    return "";
}

std::string RecordFile::checksumOf(const std::string& path)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    if (FILE* in = std::fopen(path.c_str(), "rb")) {
        std::vector<unsigned char> chunk(ChecksumChunk);
        std::size_t got;
        while ((got = std::fread(chunk.data(), 1, chunk.size(), in)) > 0)
            crc = crc32(crc, chunk.data(), static_cast<uInt>(got));
        std::fclose(in);
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08lx", static_cast<unsigned long>(crc & 0xffffffffUL));
    return hex;
}

std::optional<int> RecordFile::load()
{
    // Non-blocking, so a pipe put where the record should be cannot hold the game up.
    const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            warn("cannot read " + file + " (" + std::strerror(errno) + "); starting without one");
        return std::nullopt;
    }
    struct stat status;
    char text[MaxRecordBytes + 1];
    ssize_t length = -1;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        length = read(fd, text, sizeof text);
    close(fd);
    std::optional<int> best;
    if (length >= 0 && static_cast<std::size_t>(length) <= MaxRecordBytes)
        best = parseRecord(text, static_cast<std::size_t>(length));
    if (!best)
        warn(file + " is not a record; starting without one");
    return best;
}

bool RecordFile::save(int best)
{
    if (folder.empty()) {
        warn("no folder for it (neither XDG_DATA_HOME nor HOME is set); not kept");
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        warn("cannot create " + folder + " (" + error.message() + "); not kept");
        return false;
    }
    std::string temporary = file + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        warn("cannot write in " + folder + " (" + std::strerror(errno) + "); not kept");
        return false;
    }
    fchmod(fd, 0644);
    FILE* out = fdopen(fd, "w");
    bool written = out && std::fprintf(out, "%d\n", best) > 0 && std::fflush(out) == 0 && fsync(fd) == 0;
    if (out)
        written = std::fclose(out) == 0 && written;
    else
        close(fd);
    if (written && std::rename(temporary.c_str(), file.c_str()) == 0) {
        syncFolder(folder);
        return true;
    }
    warn("cannot write " + file + " (" + std::strerror(errno) + "); not kept");
    unlink(temporary.c_str());
    return false;
}
