// Keeps the run in the checkpoint file: saved as each wave starts and at a close between waves,
// resumed when the game starts, deleted when the run ends. The game that starts first owns the
// file for its whole life, under a lock beside it: another game started meanwhile plays without
// a checkpoint and never touches that file. A checkpoint that cannot be read, parsed or played
// with this data set is moved aside with one line on standard error, and the new game goes on
// (without a checkpoint when the file cannot be moved aside). Saves and deletions run on a
// writer thread of their own, in order, so a slow disk never holds up a frame; the last is done
// when the keeper goes.
#pragma once

#include "checkpoint/CheckpointFile.h"
#include "checkpoint/RunKeeper.h"
#include "files/FileLock.h"
#include "files/FileWriter.h"

#include <memory>

class CheckpointKeeper : public RunKeeper {
public:
    explicit CheckpointKeeper(CheckpointFile file);

    void resume(const Restore& restore) override;
    void keep(const Checkpoint& run) override;
    void forget() override;

private:
    void refuse(const std::string& problem);

    CheckpointFile file;
    std::unique_ptr<FileLock> lock;
    // Whether this game keeps its run in the file: not over a refused file left in place, nor
    // in one another game keeps.
    bool keeping = true;
    // Last, so that it ends (doing what waits) before the file and the lock go.
    FileWriter writer;
};
