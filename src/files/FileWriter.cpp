#include "files/FileWriter.h"

#include "files/PlainText.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <system_error>
#include <vector>

namespace {

// The writers alive, for hurryAll. Never destroyed: a lost display may end the process while
// static objects go.
struct Writers {
    std::mutex mutex;
    std::vector<FileWriter*> alive;
};

Writers& writers()
{
    static Writers* all = new Writers();
    return *all;
}

} // namespace

FileWriter::FileWriter()
{
    const std::lock_guard<std::mutex> lock(writers().mutex);
    writers().alive.push_back(this);
}

FileWriter::~FileWriter()
{
    {
        const std::lock_guard<std::mutex> lock(writers().mutex);
        auto& alive = writers().alive;
        alive.erase(std::remove(alive.begin(), alive.end(), this), alive.end());
    }
    finish();
}

bool FileWriter::hurry(Clock::time_point deadline)
{
    std::unique_lock<std::mutex> lock(mutex);
    urgent = true;
    changed.notify_all();
    const bool done = changed.wait_until(lock, deadline, [this] { return queue.empty() && !running; });
    urgent = false;
    return done;
}

bool FileWriter::hurryAll(Clock::time_point deadline)
{
    const std::lock_guard<std::mutex> lock(writers().mutex);
    // Every writer is told first, so that they all write at once.
    for (FileWriter* writer : writers().alive) {
        const std::lock_guard<std::mutex> its(writer->mutex);
        writer->urgent = true;
        writer->changed.notify_all();
    }
    bool done = true;
    for (FileWriter* writer : writers().alive)
        done = writer->hurry(deadline) && done;
    return done;
}

void FileWriter::post(const std::string& key, std::function<void()> task, Clock::duration spacing)
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto same = std::find_if(queue.begin(), queue.end(), [&key](const Task& t) { return t.key == key; });
        if (same != queue.end()) {
            same->run = std::move(task);
        } else {
            const auto begun = lastBegun.find(key);
            const Clock::time_point due =
                begun == lastBegun.end() ? Clock::now() : std::max(Clock::now(), begun->second + spacing);
            queue.push_back({key, std::move(task), due});
        }
    }
    changed.notify_all();
    if (thread.joinable())
        return;
    try {
        thread = std::thread(&FileWriter::work, this);
    } catch (const std::system_error& error) {
        // No thread to spare: the files are written here and now, slower but never lost.
        warnOnce(std::string("cannot start a writer thread (") + error.what() + "); writing at once");
        runWaitingHere();
    }
}

void FileWriter::runWaitingHere()
{
    std::unique_lock<std::mutex> lock(mutex);
    while (!queue.empty()) {
        Task task = std::move(queue.front());
        queue.pop_front();
        lastBegun[task.key] = Clock::now();
        lock.unlock();
        run(task);
        lock.lock();
    }
}

void FileWriter::run(const Task& task)
{
    try {
        task.run();
    } catch (const std::exception& error) {
        warnOnce("writing " + PlainText::printable(task.key) + " failed (" + error.what() + "); the game plays on");
    } catch (...) {
        warnOnce("writing " + PlainText::printable(task.key) + " failed; the game plays on");
    }
}

void FileWriter::warnOnce(const std::string& line)
{
    if (!warned.exchange(true))
        std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(line).c_str());
}

void FileWriter::finish()
{
    if (!thread.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        finishing = true;
    }
    changed.notify_all();
    thread.join();
    finishing = false;
}

std::size_t FileWriter::waiting() const
{
    const std::lock_guard<std::mutex> lock(mutex);
    return queue.size();
}

void FileWriter::work()
{
    std::unique_lock<std::mutex> lock(mutex);
    while (true) {
        if (queue.empty()) {
            if (finishing)
                return;
            changed.wait(lock);
            continue;
        }
        // The first task in order that is due; every one is when the writer finishes.
        const Clock::time_point now = Clock::now();
        const auto next = finishing || urgent ? queue.begin()
                                    : std::find_if(queue.begin(), queue.end(), [now](const Task& t) { return t.due <= now; });
        if (next == queue.end()) {
            const Clock::time_point soonest =
                std::min_element(queue.begin(), queue.end(), [](const Task& a, const Task& b) {
                    return a.due < b.due;
                })->due;
            changed.wait_until(lock, soonest);
            continue;
        }
        Task task = std::move(*next);
        queue.erase(next);
        lastBegun[task.key] = now;
        running = true;
        lock.unlock();
        run(task);
        lock.lock();
        running = false;
        changed.notify_all();
    }
}
