#include "FuzzInput.h"

#include "autoplay/HeadlessGame.h"

#include "assets/MzImage.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fuzzinput {

namespace {

std::string scratchDirectory;

void removeScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(scratchDirectory, ignored);
}

// Memory-backed when the system has it: rewriting one file a few thousand times a second is
// slow on a disk file system that flushes truncated files.
std::filesystem::path scratchBase()
{
    std::error_code ignored;
    if (!std::getenv("TMPDIR") && std::filesystem::is_directory("/dev/shm", ignored))
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

const std::string& scratchDir()
{
    // run.sh hands over a directory it removes itself, even after a crash.
    if (scratchDirectory.empty() && std::getenv("SQUIBBLE_FUZZ_SCRATCH"))
        scratchDirectory = std::getenv("SQUIBBLE_FUZZ_SCRATCH");
    if (scratchDirectory.empty()) {
        std::string pattern = (scratchBase() / "squibble-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            fail("cannot create a scratch directory");
        scratchDirectory = pattern;
        std::atexit(removeScratchDirectory);
    }
    return scratchDirectory;
}

} // namespace

void startLibrary()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(32);
    registerMzLoader();
}

std::string writeScratchFile(const std::uint8_t* data, std::size_t size, const char* extension)
{
    const std::string path = scratchDir() + "/input" + extension;
    // A new file each time rather than truncating the old one.
    std::remove(path.c_str());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        fail("cannot write the scratch file");
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        fail("short write to the scratch file");
    std::fclose(file);
    return path;
}

void fail(const char* what)
{
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

void startShippedGame()
{
    const char* root = std::getenv("SQUIBBLE_SOURCE_ROOT");
    if (!root)
        fail("SQUIBBLE_SOURCE_ROOT must name the source root, which holds data/");
    startLibrary();
    if (!autoplay::startHeadless(root).empty())
        fail("the shipped data set does not load");
}

} // namespace fuzzinput
