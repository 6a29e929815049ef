// Records every game the World plays as a replay: installs a recording input in front of the
// Application's, seeds each game's random draws with a seed of its own, and keeps the replay on
// the shelf as each wave starts and is defeated, and at the end. A kept run resumed goes on in the
// replay its checkpoint names, as a part of its own.
#pragma once

#include "game/RunHooks.h"
#include "replay/Replay.h"

#include <functional>
#include <memory>
#include <string>

class Application;
class RecordingInput;
class ReplayShelf;

class RunRecording : public RunHooks {
public:
    struct Identity {
        std::string gameVersion;
        std::string dataChecksum;
    };

    // Puts a recording input in front of the Application's input.
    RunRecording(Application& app, Identity identity, std::unique_ptr<ReplayShelf> shelf);
    ~RunRecording() override;

    void gameBegins(World& world) override;
    void resumed(World& world, const Checkpoint& checkpoint) override;
    std::string runKept(const World& world) override;
    void frameTime(double& seconds, int& speed) override;
    bool pauseTaken(bool requested) override;
    void waveDefeated(World& world) override;
    void gameOver(World& world) override;
    void closed(World& world) override;
    bool cutFrame() override;
    void stepsDone() override;

    // The replay of the game being played (tape included), as it would be kept now.
    const Replay& current();
    // Where each game's seed comes from; the system's random device unless set.
    std::function<unsigned()> seeds;
    // Seconds since 1970 for the replay's name; the system clock unless set.
    std::function<long long()> clock;

private:
    void keep(const World& world, bool finished);

    RecordingInput* input;
    Identity identity;
    std::unique_ptr<ReplayShelf> shelf;
    Replay replay;
    std::string name;
    unsigned runsBegun = 0;
    const World* world = nullptr;
    bool recording = false;
    bool cut = false;
};
