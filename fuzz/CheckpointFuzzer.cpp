// Fuzzes the checkpoint: the input is a checkpoint file's text, read as the game reads one at
// start-up with the shipped data set loaded. A text that parses must write back to a text that
// parses to the same; where it also restores, the restored run saves as it was loaded and the
// scripted player plays on from it for a short while, the last stretch fast-forwarded. Nothing may
// crash, trip a sanitizer, allocate without bound or take long.
#include "FuzzInput.h"

#include "app/Application.h"
#include "autoplay/MixedStrategy.h"
#include "autoplay/Player.h"
#include "checkpoint/CheckpointText.h"
#include "game/WorldCheckpoint.h"
#include "game/World.h"

#include <cstdlib>
#include <string>

namespace {

constexpr double FrameTime = 1.0 / 60.0;
// Two seconds of play, then a quarter second with Tab held: the wave comes and the towers fire.
constexpr long NormalFrames = 120;
constexpr long FastFrames = 15;
constexpr int AnyWave = 100000;

} // namespace

// The shipped data set is found from the source root, which run.sh hands over; it is loaded once.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    fuzzinput::startShippedGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CheckpointText::Parsed parsed = CheckpointText::parse(std::string(reinterpret_cast<const char*>(data), size));
    if (!parsed.checkpoint) {
        if (parsed.problem.empty())
            fuzzinput::fail("a checkpoint was refused without a reason");
        return 0;
    }
    const std::string written = CheckpointText::write(*parsed.checkpoint);
    const CheckpointText::Parsed again = CheckpointText::parse(written);
    if (!again.checkpoint || CheckpointText::write(*again.checkpoint) != written)
        fuzzinput::fail("a checkpoint does not read back as it was written");

    autoplay::MixedStrategy strategy;
    autoplay::PlayOptions options;
    options.dt = FrameTime;
    options.seed = size > 0 ? data[0] : 1;
    autoplay::Player player(strategy, options);
    World& world = player.world();
    if (!WorldCheckpoint::restore(world, *parsed.checkpoint).empty())
        return 0;
    if (CheckpointText::write(WorldCheckpoint::capture(world)) != written)
        fuzzinput::fail("a restored run does not save as it was loaded");
    world.paused = false;
    player.playUntilLost(AnyWave, NormalFrames);
    player.holdTab(true);
    player.playUntilLost(AnyWave, FastFrames);
    return 0;
}
