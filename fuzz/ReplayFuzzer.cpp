// Fuzzes the replay: the input is a replay file's bytes, read as the game and mztool read one. A
// replay that reads must write back to the same figures and tape, and is then played headless
// with the shipped data set for a bounded number of frames, as replay-check plays it. Nothing may
// crash, trip a sanitizer, allocate without bound or take long.
#include "FuzzInput.h"

#include "app/Application.h"
#include "game/ReplayRunner.h"
#include "replay/ReplayCheck.h"
#include "replay/ReplayFile.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// Two seconds of play at most, whatever the replay says.
constexpr long long MostFrames = 120;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    fuzzinput::startShippedGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ReplayFile::Parsed parsed = ReplayFile::parse(std::string(reinterpret_cast<const char*>(data), size));
    if (!parsed.replay) {
        if (parsed.problem.empty())
            fuzzinput::fail("a replay was refused without a reason");
        return 0;
    }
    Replay replay = *parsed.replay;
    const ReplayFile::Parsed again = ReplayFile::parse(ReplayFile::write(replay));
    if (!again.replay || again.replay->tape != replay.tape || again.replay->end != replay.end ||
        again.replay->waves.size() != replay.waves.size() || again.replay->totalFrames() != replay.totalFrames() ||
        again.replay->resumed.size() != replay.resumed.size() || again.replay->start != replay.start)
        fuzzinput::fail("a replay does not read back as it was written");
    ReplayCheck::describe(replay.end);
    // A few parts of a bounded length each.
    replay.frames = std::min(replay.frames, MostFrames);
    if (replay.resumed.size() > 2)
        replay.resumed.resize(2);
    for (ReplayPart& part : replay.resumed)
        part.frames = std::min(part.frames, MostFrames);
    ReplayRunner runner(Application::instance(), replay);
    runner.drawn = size % 2 == 0;
    const ReplayOutcome outcome = runner.playToEnd();
    if (outcome.frames > replay.totalFrames())
        fuzzinput::fail("a replay played past its frames");
    ReplayCheck::firstDifference(replay, outcome);
    return 0;
}
