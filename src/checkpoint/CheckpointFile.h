// The checkpoint of one data set kept in a small text file, "checkpoint-<checksum>.txt" in the
// player's state folder, the checksum being that of the data set's configuration file, as for the
// best record. Each save replaces the last one atomically; a refused file is moved aside, never
// deleted or replaced.
#pragma once

#include "checkpoint/Checkpoint.h"

#include <memory>
#include <optional>
#include <string>

class FileLock;

class CheckpointFile {
public:
    // What a load found: a checkpoint, no file at all, or why the file is refused.
    struct Loaded {
        std::optional<Checkpoint> checkpoint;
        bool missing = false;
        std::string problem;
    };

    // The checkpoint of the data set whose configuration file is configPath, kept in folder.
    CheckpointFile(const std::string& folder, const std::string& configPath);

    // The name of the checkpoint file of that data set: the only one the game picks up for it.
    static std::string nameFor(const std::string& configPath);
    // $XDG_STATE_HOME/squibble-siege, or ~/.local/state/squibble-siege; empty when neither is known.
    static std::string defaultFolder();

    // Reads and parses the file, refusing one that is too long before reading it whole.
    Loaded load() const;
    // Writes the checkpoint over the last one; on failure false, and a line on standard error unless
    // the last save failed too. A checkpoint that would be refused when read back (a run beyond
    // what a checkpoint holds) is not written.
    bool save(const Checkpoint& checkpoint) const;
    // Takes the lock of the file's owner ("<file>.lock", its folder made if need be) without waiting:
    // busy when another game owns the file. Nothing without a folder.
    std::unique_ptr<FileLock> lock() const;
    // Deletes the checkpoint; a missing one is no error.
    void remove() const;
    // Renames the file to the first free name of "<file>.bad", "<file>.2.bad"... up to ".1000.bad",
    // never over a file that is there. Returns whether it moved, with outcome its new name, or why
    // it stays where it is.
    bool setAside(std::string& outcome) const;

    const std::string& path() const { return file; }

private:
    std::string folder;
    std::string file;
    mutable bool toldFailure = false;
};
