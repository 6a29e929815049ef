#include "support/TestSound.h"

#include "app/Application.h"
#include "audio/SoundClip.h"

#include <allegro.h>

#include <memory>

namespace testsound {

namespace {

constexpr int Rate = 22050;

} // namespace

void RecordingSoundOutput::start(const SoundClip& clip, int volume, int pan)
{
    starts.push_back({clip.name(), volume, pan, now()});
}

void RecordingSoundOutput::stop(const SoundClip& clip)
{
    stops.push_back(clip.name());
}

std::vector<RecordingSoundOutput::Start> RecordingSoundOutput::of(SoundEvent event) const
{
    std::vector<Start> found;
    for (const Start& start : starts)
        if (start.clip == soundKey(event))
            found.push_back(start);
    return found;
}

double& now()
{
    static double time = 1000.0;
    return time;
}

RecordingSoundOutput& install()
{
    SoundBoard& board = Application::instance().sound;
    for (int i = 0; i < SoundEventCount; ++i) {
        const SoundEvent event = static_cast<SoundEvent>(i);
        SAMPLE* sample = create_sample(16, FALSE, Rate, static_cast<int>(ClipSeconds * Rate));
        board.setClip(event, std::make_unique<SoundClip>(soundKey(event), sample));
    }
    auto recorder = std::make_unique<RecordingSoundOutput>();
    RecordingSoundOutput& result = *recorder;
    board.setOutput(std::move(recorder));
    board.setVolume(255);
    board.setMuted(false);
    now() = 1000.0;
    board.clock = [] { return now(); };
    return result;
}

} // namespace testsound
