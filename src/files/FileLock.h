// An exclusive lock that several running games take on one file (flock), held from construction
// to destruction, so that a read, compare and write of a shared player file is not interleaved
// with another game's. The lock file is created if needed and left in place: removing it would let
// two games lock two different files of the same name.
#pragma once

#include <string>

class FileLock {
public:
    // Waits for the lock on path, created 0666 less the umask.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd >= 0; }
    // Why the lock is not held; empty when it is.
    const std::string& error() const { return reason; }

private:
    int fd;
    std::string reason;
};
