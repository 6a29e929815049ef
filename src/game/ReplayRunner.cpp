#include "game/ReplayRunner.h"

#include "app/Application.h"
#include "game/FrameStepper.h"
#include "game/WorldSeat.h"
#include "game/RunHooks.h"
#include "game/RunMarks.h"
#include "game/World.h"
#include "replay/ReplayInput.h"

#include <cstdlib>

// The World's hooks while a replay plays: the recorded seed, frame times and pauses, and the
// figures of the run as it goes again.
class ReplayRunner::Playback : public RunHooks {
public:
    Playback(ReplayInput& input, unsigned seed)
        : input(input)
        , seed(seed)
    {
    }

    void gameBegins(World& world) override
    {
        // Another game begun from the replay's last frame: the replayed run ends there.
        if (begun) {
            seal(world);
            return;
        }
        begun = true;
        std::srand(seed);
    }
    void frameTime(double& seconds, int& speed) override
    {
        const TapeInput::FrameTime time = input.frame(seconds, speed);
        seconds = time.seconds;
        speed = time.speed;
    }
    bool pauseTaken(bool requested) override { return input.pauseTaken(requested); }
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
    void stepsDone() override { input.setDrawing(true); }
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

    ReplayInput& input;
    unsigned seed;
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
    auto replayInput = std::make_unique<ReplayInput>(replay.tape, app.screenLayout);
    input = replayInput.get();
    app.setInput(std::move(replayInput));
    app.mouseX = app.mouseY = app.mouseButtons = app.previousMouseButtons = 0;
    app.mouseOnPicture = true;
    const auto level = Difficulty::named(replay.difficulty).value_or(Difficulty::Level::Normal);
    app.settings.set(PlayerSettings::Entry::Difficulty, static_cast<int>(level));
    const GameMode mode = parseGameMode(replay.mode).value_or(GameMode::Classic);
    app.settings.set(PlayerSettings::Entry::Mode, static_cast<int>(mode));
    game = std::make_unique<World>();
    auto hooks = std::make_unique<Playback>(*input, replay.seed);
    playback = hooks.get();
    game->hooks = std::move(hooks);
    seat = std::make_unique<WorldSeat>(app, *game);
    game->newGame();
    stepper = std::make_unique<FrameStepper>(*game);
}

ReplayRunner::~ReplayRunner()
{
    seat.reset();
    game.reset();
    app.setInput(std::move(saved));
}

bool ReplayRunner::finished() const
{
    return playback->result.frames >= replay.frames || playback->sealed;
}

long long ReplayRunner::framesPlayed() const { return playback->result.frames; }

bool ReplayRunner::playFrame()
{
    if (finished())
        return false;
    app.sampleMouse();
    game->playFrame(*stepper, 0.0, game->speedStep, drawn);
    ++playback->result.frames;
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
    result.tapeBroken = input->broken() || (!playback->sealed && !input->finished());
    return result;
}

void ReplayRunner::setOverlay(std::function<void(BITMAP*)> draw) { playback->overlay = std::move(draw); }
