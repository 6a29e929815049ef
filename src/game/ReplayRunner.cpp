#include "game/ReplayRunner.h"

#include "app/Application.h"
#include "checkpoint/CheckpointText.h"
#include "checkpoint/RunKeeper.h"
#include "game/FrameStepper.h"
#include "game/RunHooks.h"
#include "game/RunMarks.h"
#include "game/World.h"
#include "game/WorldCheckpoint.h"
#include "replay/ReplayInput.h"

#include <cstdlib>

// What the replayed game keeps of its run: the checkpoint a later part must resume from.
class ReplayRunner::LastKept : public RunKeeper {
public:
    void resume(const Restore&) override {}
    void keep(const Checkpoint& run) override { last = run; }
    void forget() override { last.reset(); }
    std::optional<Checkpoint> last;
};

// The World's hooks while a replay plays: the recorded seed, frame times and pauses, and the
// figures of the run as it goes again.
class ReplayRunner::Playback : public RunHooks {
public:
    Playback(ReplayInput& input, unsigned seed)
        : input(&input)
        , seed(seed)
    {
    }

    void gameBegins(World& world) override
    {
        // Another game begun from the replay's last frame: the replayed run ends there. A game
        // begun again before the part's first frame (a kept run put in its place) is seeded anew.
        if (begun && partFrames > 0) {
            seal(world);
            return;
        }
        begun = true;
        std::srand(seed);
    }
    void frameTime(double& seconds, int& speed) override
    {
        const TapeInput::FrameTime time = input->frame(seconds, speed);
        seconds = time.seconds;
        speed = time.speed;
    }
    bool pauseTaken(bool requested) override { return input->pauseTaken(requested); }
    void waveDefeated(World& world) override
    {
        if (!sealed)
            result.waves.push_back(RunMarks::of(world));
    }
    void gameOver(World& world) override
    {
        result.gameOver = !sealed;
        seal(world);
    }
    void closed(World&) override {}
    void stepsDone() override { input->setDrawing(true); }
    void drawOver(BITMAP* target) override
    {
        if (overlay)
            overlay(target);
    }

    void seal(World& world)
    {
        if (!sealed)
            result.end = RunMarks::of(world);
        sealed = true;
    }

    ReplayInput* input;
    unsigned seed;
    long long partFrames = 0;
    bool begun = false;
    bool sealed = false;
    ReplayOutcome result;
    std::function<void(BITMAP*)> overlay;
};

ReplayRunner::ReplayRunner(Application& app, const Replay& replay)
    : app(app)
    , replay(replay)
    , saved(app.takeInput())
{
    const auto level = Difficulty::named(replay.difficulty).value_or(Difficulty::Level::Normal);
    app.settings.set(PlayerSettings::Field::Difficulty, static_cast<int>(level));
    const GameMode mode = parseGameMode(replay.mode).value_or(GameMode::Classic);
    app.settings.set(PlayerSettings::Field::Mode, static_cast<int>(mode));
    if (!beginPart(replay.tape, replay.seed, replay.start))
        playback->result.partProblem = "the checkpoint the run starts from does not play with this data set";
}

bool ReplayRunner::beginPart(const std::string& tape, unsigned seed, const std::string& checkpoint)
{
    // A fresh World, as the launch that played the part had; the run's figures and the overlay go on.
    ReplayOutcome carried;
    std::function<void(BITMAP*)> overlay;
    if (playback) {
        carried = std::move(playback->result);
        overlay = std::move(playback->overlay);
    }
    if (app.world == game.get())
        app.world = nullptr;
    game.reset();
    auto replayInput = std::make_unique<ReplayInput>(tape, app.screenLayout);
    input = replayInput.get();
    app.setInput(std::move(replayInput));
    app.mouseX = app.mouseY = app.mouseButtons = app.previousMouseButtons = 0;
    app.mouseOnPicture = true;
    game = std::make_unique<World>();
    auto hooks = std::make_unique<Playback>(*input, seed);
    hooks->result = std::move(carried);
    hooks->overlay = std::move(overlay);
    playback = hooks.get();
    game->hooks = std::move(hooks);
    auto keeper = std::make_unique<LastKept>();
    lastKept = keeper.get();
    game->runKeeper = std::move(keeper);
    app.world = game.get();
    game->newGame();
    stepper = std::make_unique<FrameStepper>(*game);
    if (checkpoint.empty())
        return true;
    const CheckpointText::Parsed parsed = CheckpointText::parse(checkpoint);
    return parsed.checkpoint && WorldCheckpoint::restore(*game, *parsed.checkpoint).empty();
}

// The part just played ended where the next one resumes: the checkpoint its game kept last (as
// it closed, or as its last wave started) is the one the next part names, but for the replay's name.
std::string ReplayRunner::nextPart()
{
    const ReplayPart& next = replay.resumed[part];
    if (!input->finished())
        return "part " + std::to_string(part + 1) + "'s inputs went another way than the game";
    game->closed();
    const CheckpointText::Parsed named = CheckpointText::parse(next.checkpoint);
    if (!named.checkpoint || !lastKept->last)
        return "part " + std::to_string(part + 2) + " resumes from no checkpoint the run kept";
    Checkpoint expected = *lastKept->last;
    Checkpoint resumed = *named.checkpoint;
    expected.replay = resumed.replay = "";
    if (CheckpointText::write(expected) != CheckpointText::write(resumed))
        return "part " + std::to_string(part + 2) + " resumes from another checkpoint than part " +
               std::to_string(part + 1) + " kept";
    ++part;
    playback->partFrames = 0;
    if (!beginPart(next.tape, next.seed, next.checkpoint))
        return "part " + std::to_string(part + 1) + "'s checkpoint does not play with this data set";
    return "";
}

ReplayRunner::~ReplayRunner()
{
    if (app.world == game.get())
        app.world = nullptr;
    game.reset();
    app.setInput(std::move(saved));
}

long long ReplayRunner::framesOfPart() const { return part == 0 ? replay.frames : replay.resumed[part - 1].frames; }

bool ReplayRunner::finished() const
{
    return playback->sealed || !playback->result.partProblem.empty() ||
           (part == replay.resumed.size() && playback->partFrames >= framesOfPart());
}

long long ReplayRunner::framesPlayed() const { return playback->result.frames; }

bool ReplayRunner::playFrame()
{
    if (finished())
        return false;
    while (playback->partFrames >= framesOfPart()) {
        playback->result.partProblem = nextPart();
        if (!playback->result.partProblem.empty())
            return false;
    }
    app.sampleMouse();
    game->playFrame(*stepper, 0.0, game->speedStep, drawn);
    ++playback->result.frames;
    ++playback->partFrames;
    // The run's own quit ("Yes") ends the replay, not the game watching it.
    game->running = true;
    return true;
}

ReplayOutcome ReplayRunner::playToEnd()
{
    while (playFrame()) {
    }
    return outcome();
}

ReplayOutcome ReplayRunner::outcome() const
{
    ReplayOutcome result = playback->result;
    if (!playback->sealed)
        result.end = RunMarks::of(*game);
    result.tapeBroken = input->broken() || (!playback->sealed && !input->finished()) || !result.partProblem.empty();
    return result;
}

void ReplayRunner::setOverlay(std::function<void(BITMAP*)> draw) { playback->overlay = std::move(draw); }
