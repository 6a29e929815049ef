// Loads, checks and renders one tracker module with libxmp.
#include "audio/MusicModule.h"

#include "audio/ProTrackerCheck.h"
#include "files/AtomicFile.h"

#include <xmp.h>

#include <algorithm>

namespace {

constexpr int BytesPerFrame = 4; // left and right, 16 bits each

} // namespace

MusicModule::MusicModule()
    : context(xmp_create_context())
{
}

MusicModule::~MusicModule()
{
    release();
    if (context)
        xmp_free_context(context);
}

bool MusicModule::read(const std::string& path, std::string& bytes, std::string& error)
{
    return AtomicFile::read(path, MaxFileBytes).take(bytes, error);
}

void MusicModule::release()
{
    if (playing)
        xmp_end_player(context);
    if (isLoaded)
        xmp_release_module(context);
    isLoaded = playing = false;
    sectionCount = 0;
}

bool MusicModule::load(const std::string& bytes, std::string& error)
{
    release();
    if (!context) {
        error = "no memory for the module player";
        return false;
    }
    if (bytes.size() > MaxFileBytes) {
        error = "larger than " + std::to_string(MaxFileBytes >> 20) + " MiB";
        return false;
    }
    // Only the format the game's pieces are written in reaches libxmp, not every loader it has,
    // and only in the shape it plays safely.
    error = ProTrackerCheck::problem(bytes);
    if (!error.empty())
        return false;
    if (xmp_load_module_from_memory(context, bytes.data(), static_cast<long>(bytes.size())) != 0) {
        error = "the module player refuses it";
        return false;
    }
    xmp_module_info info;
    xmp_get_module_info(context, &info);
    isLoaded = true;
    sectionCount = std::max(info.num_sequences, 0);
    return true;
}

bool MusicModule::start(int section, int rate, bool loop)
{
    if (!isLoaded)
        return false;
    if (playing)
        xmp_end_player(context);
    playing = xmp_start_player(context, rate, 0) == 0;
    if (!playing)
        return false;
    looping = loop;
    xmp_module_info info;
    xmp_get_module_info(context, &info);
    const int index = std::clamp(section, 0, std::max(sectionCount - 1, 0));
    if (index > 0 && info.seq_data)
        xmp_set_position(context, info.seq_data[index].entry_point);
    return true;
}

bool MusicModule::render(std::int16_t* stereo, int frames)
{
    if (!playing) {
        std::fill(stereo, stereo + 2 * frames, std::int16_t{0});
        return false;
    }
    const int result = xmp_play_buffer(context, stereo, frames * BytesPerFrame, looping ? 0 : 1);
    if (result == 0)
        return true;
    // At the end libxmp fills the rest with silence; after any other failure the block is cleared.
    if (result != -XMP_END)
        std::fill(stereo, stereo + 2 * frames, std::int16_t{0});
    xmp_end_player(context);
    playing = false;
    return false;
}
