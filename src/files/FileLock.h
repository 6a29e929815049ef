// An exclusive lock that several running games take on one file (flock), held from construction
// to destruction, so that a read, compare and write of a shared player file is not interleaved
// with another game's, and so that one game at a time keeps a run. The lock file is created if
// needed and left in place: removing it would let two games lock two different files of the same name.
#pragma once

#include <string>

class FileLock {
public:
    enum class Mode {
        Wait, // until the lock is free
        Try,  // once: a lock held by another game is not waited for
    };

    // Takes the lock on path, created 0666 less the umask; a lock file that cannot be opened for
    // writing is locked open for reading. A link at path is never followed: no lock is held.
    explicit FileLock(const std::string& path, Mode mode = Mode::Wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd >= 0; }
    // Whether another holder has it (only a Try lock ends so).
    bool busy() const { return heldElsewhere; }
    // Why the lock is not held; empty when it is.
    const std::string& error() const { return reason; }

private:
    int fd;
    bool heldElsewhere = false;
    std::string reason;
};
