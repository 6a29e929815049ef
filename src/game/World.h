// The game from its first wave to the player's quitting, one game after another: the towers,
// projectiles, effects, current wave and clouds it owns, the player's money and health, the
// pause, the best record and the main loop.
#pragma once

#include "audio/MusicCue.h"
#include "control/WorldMode.h"
#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"
#include "game/Clouds.h"
#include "game/RunHooks.h"
#include "hud/LossNote.h"
#include "records/BestRecord.h"
#include "stats/GameStatistics.h"
#include "stats/Purse.h"
#include "stats/RunLimits.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <utility>

class Application;
class Building;
class DialogControls;
class Effect;
class FrameStepper;
class KindEvents;
class Projectile;
class RunKeeper;
class Wave;
class BuildBar;
class KeyboardControls;
class TowerActions;
class WorldRenderer;


class World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // New-game set-up (or the kept run in its place), then the main loop until running is
    // cleared: each frame waits for the frame clock, runs its updates through a FrameStepper and
    // draws once (through StillFrames: a still frame only when it shows something new). A close
    // between waves hands the run to the keeper.
    void run();
    // The main loop has ended: the record kept waiting is offered, and a run closed between
    // waves is kept (mid-wave, the checkpoint of the wave's start stands).
    void closed();
    // One pass of the main loop once the frame clock has given dt and sampled the mouse: the
    // frame's updates through the stepper at the speed in effect (Tab, or the speed step given),
    // a retry of a record kept waiting by another game's lock, and the drawing (unless not drawn:
    // a replay checked off screen).
    void playFrame(FrameStepper& stepper, double dt, int step, bool drawn = true);
    // The speed in effect at a speed step: Tab held runs the game faster than the step.
    int speedAt(int step) const;
    // Health, money, clouds and the pause before the first wave at the settings' difficulty
    // (Normal until one is chosen); starts the loop running.
    void newGame();
    // Enter after game over: everything of the last game goes and a new one is set up at the
    // same difficulty.
    void playAgain();
    // A mode and difficulty chosen in "New Game?": both are kept in the settings, the run is
    // thrown away, its checkpoint too, and wave 1 begins in that mode at that difficulty.
    void startOver(GameMode chosenMode, Difficulty::Level level);
    // The difficulty of the game being set up or resumed, and the best record of it in the mode
    // played.
    void setDifficulty(Difficulty::Level level);
    // One frame of game logic.
    void update(double dt);
    // Game time stands still: paused, the help shown, or "New Game?" open. Only the controls answer.
    bool standsStill() const;
    // Draws the frame into the back buffer and presents it; nothing changes.
    void draw();
    // A frame's picture: what it is about to show is noted (the first launch's hints), it is
    // drawn, and the keys learn that it has been seen.
    void showFrame();
    void endGame();
    // "Yes" or "No" to the open dialog, from the keys: "Yes" quits the game or starts it over at
    // the difficulty in focus, "No" closes the dialog.
    void answerDialog(bool yes);
    // Asks for a pause from any thread (the window losing the focus); taken at the next update.
    void requestPause() { pauseRequested = true; }
    // Withdraws a pause request not yet taken (the window got the focus back at once).
    void cancelPauseRequest() { pauseRequested = false; }

    // N in the pause between waves: the next wave starts at once and the player is paid
    // EarlyCallBonus for every whole second that was left. Nothing at any other time.
    void callNextWave();
    // Whether the field waits for the next wave: between waves, until the game is over.
    bool waitingForWave() const { return !currentWave && waveTimer >= 0.0 && !gameOver; }
    // Whether N would call the next wave now: in the pause between waves, while the game runs and
    // no dialog is open.
    bool mayCallNextWave() const { return waitingForWave() && !paused && mode != QuitDialog && mode != NewGameDialog; }
    // The bonus N would pay now; 0 while N would do nothing.
    int earlyCallBonus() const;

    // What the music should play now: the wave piece while a wave marches, the game-over piece
    // after the end, else the build piece; quieter while the game waits (pause, dialog, help), but
    // not under the quit dialog that game over opens by itself: the game-over piece strikes at its level.
    MusicCue musicCue() const;

    // The button bar, for the views that show what the hovered button would do.
    const BuildBar& buttons() const { return *buildBar; }

    // A new tower of a kind of TowerKinds (not yet placed); null for any other kind.
    std::unique_ptr<Building> createTower(int kind);
    // Whether a tower of kind placingKind, centred on the mouse (or on centreX, where the keys have
    // moved the preview), would overlap no standing tower: the test of the click and the preview.
    bool canPlaceTower() const;
    bool canPlaceTower(int centreX) const;
    // The rules of building, selecting, upgrading, demolishing and cancelling, for the mouse and the keys.
    TowerActions& actions() { return *towerActions; }
    const TowerActions& actions() const { return *towerActions; }
    const KeyboardControls& keys() const { return *keyboard; }
    // The dialogs' buttons, for the mouse and the keys.
    DialogControls& dialogs() { return *dialog; }
    const DialogControls& dialogs() const { return *dialog; }

    int mode = Idle; // a WorldMode
    int placingKind = 0;
    // Cleared by the quit dialog or, from the library's thread, by the close button.
    std::atomic<bool> running{false};
    std::list<std::unique_ptr<Building>> towers;
    std::list<std::unique_ptr<Projectile>> projectiles;
    std::list<std::unique_ptr<Effect>> effects;
    // Effects are only pictures: past this many the oldest go at the end of the frame.
    static constexpr std::size_t MaxEffects = 2000;
    std::unique_ptr<Wave> currentWave;
    int health = 0;
    int maxHealth = 0;
    int money = 0;
    // The numbers of the game being played, those of its difficulty.
    Difficulty difficulty;
    // Classic sends Squibbles alone, Mixed the invader kinds; set before setDifficulty.
    GameMode gameMode = GameMode::Classic;
    // Where the Mixed kinds report: their rewards are paid through it.
    std::unique_ptr<KindEvents> kindEvents;
    Application* app;
    bool gameOver = false;
    Building* selectedTower = nullptr;
    std::list<Cloud> clouds;
    bool showDebug = false;
    double waveTimer = 0.0;
    int waveNumber = 1; // 1 to RunLimits::MaxWave, the last wave a checkpoint holds
    // While set, game time stands still; P toggles it.
    bool paused = false;
    // Set while the pause a kept run resumes in lasts; P clears it.
    bool resumed = false;
    // The speed step F chose (1, 2, 4 or 8): every new game starts at 1.
    int speedStep = 1;
    // The best record of the difficulty played.
    BestRecord bestRecord;
    // The store of each mode's and difficulty's best record, taken whenever a game at another
    // begins; without it the record set up by hand stays.
    std::function<std::unique_ptr<RecordStore>(GameMode, Difficulty::Level)> recordStoreFor;
    // The books of the game being played, started over with every new game.
    GameStatistics statistics;
    // Every payment in or out of money, counted in the statistics.
    Purse purse{money, statistics};
    // The health lost in the latest landing, for the health bar.
    LossNote healthLoss;
    // Keeps the run between launches; without one nothing is kept.
    std::unique_ptr<RunKeeper> runKeeper;
    // Told of the run as it goes (its replay is recorded or played back through them); by default
    // hooks that do nothing. Never null.
    std::unique_ptr<RunHooks> hooks = std::make_unique<RunHooks>();

    // The next wave marches now, after the checkpoint of its start; the pause's end or N.
    void startWave();

private:
    void setUpGame();
    // Starts a wave when the pause is over; at a wave's end reads the pause again (a data set changed
    // during the run is heard) and counts the wave.
    void updateWaveSchedule(double dt);
    void removeFinished();
    // The open dialog's buttons under this frame's pointer.
    void handleDialog();
    // The keys, the build bar's mouse and the quit dialog: what still answers while paused.
    void handleControls();

    std::unique_ptr<DialogControls> dialog;
    std::unique_ptr<TowerActions> towerActions;
    // Every key: the one table of the game's controls.
    std::unique_ptr<KeyboardControls> keyboard;
    // The build bar: the player's mouse handling and the buttons in the bottom-right corner.
    std::unique_ptr<BuildBar> buildBar;
    std::unique_ptr<WorldRenderer> renderer;
    std::atomic<bool> pauseRequested{false};
    // The difficulty whose store the best record holds, once recordStoreFor gave one.
    std::optional<std::pair<GameMode, Difficulty::Level>> recordLevel;
};
