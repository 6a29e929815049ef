// The scripted player: runs a game frame by frame through the main loop's own frame (the same
// FrameStepper, Tab read from the input, the speed step of its options in every game it plays), feeding the strategy's clicks through the input a person
// uses, and keeps the books of the game, in total and wave by wave.
#pragma once

#include "autoplay/Gestures.h"
#include "autoplay/Ledger.h"
#include "autoplay/WaveLog.h"
#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"
#include "game/FrameStepper.h"

#include <memory>
#include <string>

class RunRecording;
class ScriptedInput;
class World;
struct Replay;

namespace autoplay {

class Strategy;

struct PlayOptions {
    unsigned seed = 1;
    // Seconds per frame; 0 takes the shipped frame time ("TimestepThreshold"), or 1/60 s when
    // the configuration has none.
    double dt = 0.0;
    // Tab held for the whole game: every frame covers eight times its time.
    bool fastForward = false;
    // The speed step (1, 2, 4 or 8), chosen as the player's F key chooses it.
    int speed = 1;
    // Whenever the strategy has nothing to do in the pause before a wave, N calls the wave early.
    bool callEarly = false;
    // The difficulty of the game, chosen as a player's settings choose it.
    Difficulty::Level difficulty = Difficulty::Level::Normal;
    // Records the game as a replay, as the game records its runs (seeded with seed).
    bool recordReplay = false;
    // The mode of the game, chosen as a player's settings choose it.
    GameMode mode = GameMode::Classic;
    // Where a recorded game's replay is kept as the game keeps the player's (none when empty).
    std::string replayFolder = {};
};

// How one game went.
struct RunReport {
    std::string strategy;
    int lostInWave = 0; // the wave in which health ran out; 0 while the game is not lost
    int wavesDefeated = 0;
    long long moneyEarned = 0; // rewards, early calls and refunds
    long long moneyFromEarlyCalls = 0;
    long long moneySpent = 0;
    int towersBuilt = 0;
    long frames = 0;
};

class Player {
public:
    // Creates the World, makes it the Application's, installs the player's input, seeds the
    // random generator and starts a new game at the options' difficulty.
    explicit Player(Strategy& strategy, const PlayOptions& options = {});
    // Destroys the World and clears the Application's pointer to it.
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // One frame as the game's loop runs it: the strategy decides when the hand is free, the
    // hand's next input frame is sampled, and the game's own frame (World::playFrame) runs.
    void playFrame();
    void playFrames(long count);
    // Plays until the game is lost, wave lastWave has been defeated, or maxFrames have passed.
    void playUntilLost(int lastWave, long maxFrames);

    // After game over: presses Enter for a new game in the same World and starts the books,
    // the wave log and the report over with it.
    void playAgain();

    // Holds Tab down from the next frame on, or lets it go.
    void holdTab(bool held);

    RunReport report() const;
    // The game's replay so far; only with recordReplay.
    const Replay& replay();
    // The game so far, wave by wave.
    std::vector<WaveRecord> waves() const { return waveLog.records(*game); }
    // The player's own count of what it bought, kept by watching the field: a check on the
    // game's statistics, which the report reads.
    const Ledger& ownCount() const { return ledger; }
    World& world() { return *game; }
    Gestures& hand() { return gestures; }
    double frameTime() const { return dt; }
    long frameCount() const { return frames; }

private:
    static std::unique_ptr<World> startGame(const PlayOptions& options, RunRecording*& recording);

    Strategy& strategy;
    ScriptedInput* input;
    RunRecording* recording = nullptr;
    std::unique_ptr<World> game;
    Ledger ledger;
    WaveLog waveLog;
    FrameStepper stepper;
    Gestures gestures;
    double dt;
    int speedStep;
    bool callEarly;
    long frames = 0;
    int lostInWave = 0;
};

} // namespace autoplay
