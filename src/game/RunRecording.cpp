#include "game/RunRecording.h"

#include "app/Application.h"
#include "checkpoint/CheckpointText.h"
#include "game/FrameStepper.h"
#include "game/RunMarks.h"
#include "game/World.h"
#include "replay/RecordingInput.h"
#include "replay/ReplayShelf.h"

#include <chrono>
#include <cstdlib>
#include <random>

RunRecording::RunRecording(Application& app, Identity identity, std::unique_ptr<ReplayShelf> shelf)
    : identity(std::move(identity))
    , shelf(std::move(shelf))
{
    seeds = [] { return static_cast<unsigned>(std::random_device()()); };
    clock = [] {
        return static_cast<long long>(
            std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count());
    };
    // The Application's input goes behind the recording; it is handed back in the same place.
    auto recordingInput = std::make_unique<RecordingInput>(app.takeInput(), app.screenLayout);
    input = recordingInput.get();
    app.setInput(std::move(recordingInput));
}

RunRecording::~RunRecording()
{
    if (shelf)
        shelf->finish();
}

void RunRecording::gameBegins(World& game)
{
    // A game left for another ("New Game?") is kept as far as it went; one begun again before its
    // first frame (a kept run put in its place) was never played.
    const bool played = replay.lastFrames() > 0;
    if (recording && world && !replay.gameOver && played)
        keep(*world, true);
    world = &game;
    input->beginAtNextFrame();
    // Begun in the middle of a frame (Enter after game over, "New Game?"): the frame ends here.
    cut = played;
    replay = Replay();
    replay.gameVersion = identity.gameVersion;
    replay.dataChecksum = identity.dataChecksum;
    replay.seed = seeds();
    replay.difficulty = Difficulty::nameOf(game.difficulty.level);
    replay.mode = gameModeName(game.gameMode);
    replay.stepLength = FrameStepper::LongestStep;
    name = ReplayShelf::runName(clock(), ++runsBegun);
    std::srand(replay.seed);
    recording = true;
}

void RunRecording::resumed(World&, const Checkpoint& checkpoint)
{
    const std::string text = CheckpointText::write(checkpoint);
    std::optional<Replay> earlier;
    if (shelf && !checkpoint.replay.empty())
        earlier = shelf->load(checkpoint.replay);
    // The run goes on in the replay it began in, as a part of its own; a replay that is lost or
    // of another game leaves this one starting at the checkpoint.
    if (earlier && !earlier->gameOver && earlier->gameVersion == identity.gameVersion &&
        earlier->dataChecksum == identity.dataChecksum && earlier->stepLength == replay.stepLength &&
        earlier->mode == replay.mode && earlier->difficulty == replay.difficulty &&
        earlier->resumed.size() < Replay::MaxParts) {
        const std::uint32_t seed = replay.seed;
        replay = std::move(*earlier);
        replay.resumed.push_back({text, seed, 0, {}});
        name = checkpoint.replay;
    } else {
        replay.start = text;
    }
}

std::string RunRecording::runKept(const World& game)
{
    if (!recording)
        return "";
    keep(game, false);
    return name;
}

void RunRecording::frameTime(double& seconds, int& speed)
{
    const TapeInput::FrameTime time = input->frame(seconds, speed);
    seconds = time.seconds;
    speed = time.speed;
    // A run ends at its game over; the greyed field behind the dialog is not part of it.
    if (!replay.gameOver)
        ++replay.lastFrames();
}

bool RunRecording::cutFrame()
{
    const bool wasCut = cut;
    cut = false;
    return wasCut;
}

void RunRecording::stepsDone() { input->setDrawing(true); }

bool RunRecording::pauseTaken(bool requested)
{
    return input->pauseTaken(requested);
}

void RunRecording::waveDefeated(World& game)
{
    replay.waves.push_back(RunMarks::of(game));
    keep(game, false);
}

void RunRecording::gameOver(World& game)
{
    replay.gameOver = true;
    keep(game, true);
}

void RunRecording::closed(World& game)
{
    if (!replay.gameOver)
        keep(game, true);
}

const Replay& RunRecording::current()
{
    if (world && !replay.gameOver) {
        replay.lastTape() = input->tape().bytes();
        replay.end = RunMarks::of(*world);
    }
    return replay;
}

void RunRecording::keep(const World& game, bool finished)
{
    if (!recording)
        return;
    replay.end = RunMarks::of(game);
    replay.lastTape() = input->tape().bytes();
    if (shelf)
        shelf->keep(name, replay, finished);
}
