#include "autoplay/Player.h"

#include "app/Application.h"
#include "autoplay/ScriptedInput.h"
#include "autoplay/Strategy.h"
#include "control/GameSpeed.h"
#include "files/DataSetChecksum.h"
#include "replay/GameVersion.h"
#include "game/RunRecording.h"
#include "replay/ReplayShelf.h"
#include "game/World.h"

#include <allegro.h>

#include <cstdlib>

namespace autoplay {

namespace {

constexpr double FallbackFrameTime = 1.0 / 60.0;

ScriptedInput* installInput()
{
    auto input = std::make_unique<ScriptedInput>();
    ScriptedInput* installed = input.get();
    Application::instance().setInput(std::move(input));
    return installed;
}

double frameTimeFor(const PlayOptions& options)
{
    if (options.dt > 0.0)
        return options.dt;
    const double shipped = Application::instance().config.getDouble("TimestepThreshold");
    return shipped > 0.0 ? shipped : FallbackFrameTime;
}

} // namespace

Player::Player(Strategy& strategy, const PlayOptions& options)
    : strategy(strategy)
    , input(installInput())
    , game(startGame(options, recording))
    , ledger(*game)
    , waveLog(*game)
    , stepper(*game)
    , dt(frameTimeFor(options))
    , speedStep(GameSpeed::of(false, options.speed))
    , callEarly(options.callEarly)
{
    holdTab(options.fastForward);
    // Purchases and damage are read after every update, so no step of a frame goes unseen.
    stepper.afterStep = [this] {
        ledger.observe(*game);
        waveLog.observe(*game);
    };
}

Player::~Player()
{
    Application& app = Application::instance();
    if (app.world == game.get())
        app.world = nullptr;
}

std::unique_ptr<World> Player::startGame(const PlayOptions& options, RunRecording*& recording)
{
    Application& app = Application::instance();
    app.settings.set(PlayerSettings::Field::Difficulty, static_cast<int>(options.difficulty));
    app.settings.set(PlayerSettings::Field::Mode, static_cast<int>(options.mode));
    app.mouseX = app.mouseY = app.mouseButtons = app.previousMouseButtons = 0;
    auto world = std::make_unique<World>();
    app.world = world.get();
    std::srand(options.seed);
    if (options.recordReplay) {
        // The tools' replays are kept by the tools, not on the player's shelf.
        auto shelf = options.replayFolder.empty() ? nullptr : std::make_unique<ReplayShelf>(options.replayFolder);
        auto hooks = std::make_unique<RunRecording>(
            app, RunRecording::Identity{GameVersion::text(), DataSetChecksum::of(Config::GamePath)}, std::move(shelf));
        const unsigned seed = options.seed;
        hooks->seeds = [seed] { return seed; };
        recording = hooks.get();
        world->hooks = std::move(hooks);
    }
    world->newGame();
    return world;
}

void Player::playFrame()
{
    if (gestures.empty())
        strategy.decide(*game, gestures);
    if (gestures.empty() && callEarly && game->waitingForWave())
        gestures.pressKey(KEY_N);
    gestures.feed(*input);
    Application& app = Application::instance();
    app.sampleMouse();
    game->playFrame(stepper, dt, speedStep);
    ++frames;
    if (game->gameOver && lostInWave == 0)
        lostInWave = game->waveNumber;
}

void Player::playAgain()
{
    gestures.clear();
    gestures.pressKey(KEY_ENTER);
    playFrame();
    ledger = Ledger(*game);
    waveLog = WaveLog(*game);
    lostInWave = 0;
}

void Player::holdTab(bool held)
{
    if (held)
        input->held.insert(KEY_TAB);
    else
        input->held.erase(KEY_TAB);
}

void Player::playFrames(long count)
{
    for (long i = 0; i < count; ++i)
        playFrame();
}

void Player::playUntilLost(int lastWave, long maxFrames)
{
    for (long i = 0; i < maxFrames && !game->gameOver && game->waveNumber <= lastWave; ++i)
        playFrame();
}

const Replay& Player::replay()
{
    return recording->current();
}

RunReport Player::report() const
{
    RunReport result;
    result.strategy = strategy.name();
    result.lostInWave = lostInWave;
    const StatisticsTotals& totals = game->statistics.totals();
    result.wavesDefeated = totals.wavesDefeated;
    result.moneyEarned = WaveLog::moneyEarned(*game);
    result.moneyFromEarlyCalls = totals.moneyFromEarlyCalls;
    result.moneySpent = WaveLog::moneySpent(*game);
    result.towersBuilt = totals.towersBuilt;
    result.frames = frames;
    return result;
}

} // namespace autoplay
