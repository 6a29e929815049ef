// Plays a replay again: a World of its own fed from the replay's tape through the Application,
// frame by frame as the run was played, seeded and set up as the run was. A run closed and resumed
// plays each part in a fresh World, the next resumed from the checkpoint the last one kept. Headless for the check,
// or in the window for watching (the caller paces the frames).
#pragma once

#include "replay/Replay.h"
#include "replay/ReplayCheck.h"

#include <cstddef>
#include <functional>
#include <memory>

struct BITMAP;
class Application;
class FrameStepper;
class InputSource;
class ReplayInput;
class World;

class ReplayRunner {
public:
    // The replay must have been accepted (ReplayCheck::refusal) and must outlive the runner. Puts
    // the replay's input in the Application's place, and back again at the end.
    ReplayRunner(Application& app, const Replay& replay);
    ~ReplayRunner();
    ReplayRunner(const ReplayRunner&) = delete;
    ReplayRunner& operator=(const ReplayRunner&) = delete;

    // Plays the next recorded frame; false when there was none left (the run is over).
    bool playFrame();
    bool finished() const;
    long long framesPlayed() const;
    // Plays every frame left and says how the run went.
    ReplayOutcome playToEnd();
    ReplayOutcome outcome() const;
    World& world() { return *game; }
    // Whether each frame is drawn (and shown); a check off screen needs no pictures.
    bool drawn = true;
    // Drawn over every frame before it is shown (the replay's caption).
    void setOverlay(std::function<void(BITMAP*)> draw);

private:
    class Playback;
    class LastKept;

    // Sets up a fresh World for a part: its tape and seed, resumed from checkpoint unless empty.
    // False when the checkpoint does not play.
    bool beginPart(const std::string& tape, unsigned seed, const std::string& checkpoint);
    // Goes on to the next part; why it cannot, or empty.
    std::string nextPart();
    long long framesOfPart() const;

    Application& app;
    const Replay& replay;
    std::unique_ptr<InputSource> saved;
    ReplayInput* input = nullptr;
    Playback* playback = nullptr;
    LastKept* lastKept = nullptr;
    std::unique_ptr<World> game;
    std::unique_ptr<FrameStepper> stepper;
    // The part being played (0: the first), and whether a part could not go on.
    std::size_t part = 0;
};
