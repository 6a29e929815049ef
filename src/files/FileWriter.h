// Writes the player's files on a thread of its own, so that a slow disk's syncs never hold up a
// frame: tasks run one at a time in the order given, a newer task for a file takes the place of
// one of the same file still waiting (the file's last state is what counts), and a task may be
// held back until a spacing has passed since the file's last write began. One thread posts. A
// task that throws is told once on standard error and the game plays on.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

class FileWriter {
public:
    using Clock = std::chrono::steady_clock;

    FileWriter();
    // Runs what still waits, at once, then ends the thread.
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Queues task for the file named key, to begin no sooner than spacing after its last task
    // began. The thread starts with the first task.
    void post(const std::string& key, std::function<void()> task, Clock::duration spacing = Clock::duration::zero());
    // Runs every waiting task now, whatever its spacing, and ends the thread until the next post.
    void finish();
    // Tasks queued and not yet begun.
    std::size_t waiting() const;
    // From any thread: runs every waiting task now, whatever its spacing, and waits until none
    // waits or runs, or until deadline. Returns whether it is all done. The thread goes on.
    bool hurry(Clock::time_point deadline);
    // hurry() for every writer alive, within one deadline: what a process ending at once does
    // first (a lost display).
    static bool hurryAll(Clock::time_point deadline);

private:
    struct Task {
        std::string key;
        std::function<void()> run;
        Clock::time_point due;
    };

    void work();
    // Runs the queue on the calling thread (when no thread could be started).
    void runWaitingHere();
    // Runs one task; what it throws is told once and goes no further.
    void run(const Task& task);
    void warnOnce(const std::string& line);

    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<Task> queue;
    // When each file's last task began.
    std::map<std::string, Clock::time_point> lastBegun;
    bool finishing = false;
    // Every task is due now; and whether one is running.
    bool urgent = false;
    bool running = false;
    std::atomic<bool> warned{false};
    std::thread thread;
};
