// Keeps the run in the checkpoint file: saved as each wave starts and at a close between waves,
// resumed when the game starts, deleted when the run ends. A checkpoint that cannot be read,
// parsed or played with this data set is moved aside with one line on standard error, and the
// new game goes on (without a checkpoint when the file cannot be moved aside).
#pragma once

#include "checkpoint/CheckpointFile.h"
#include "game/RunKeeper.h"

class CheckpointKeeper : public RunKeeper {
public:
    explicit CheckpointKeeper(CheckpointFile file);

    void resume(World& world) override;
    void keep(const World& world) override;
    void forget() override;

private:
    void refuse(const std::string& problem);

    CheckpointFile file;
    // Whether this game keeps its run in the file: not over a refused file left in place.
    bool keeping = true;
};
