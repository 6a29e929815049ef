// The best record of one data set and difficulty kept in a small text file in the player's data
// folder: "best-<checksum>.txt" for Normal, "best-<checksum>-easy.txt" and "best-<checksum>-hard.txt"
// beside it, the checksum being that of the data set's configuration file; the Mixed mode's records
// add "-mixed" after the checksum ("best-<checksum>-mixed.txt", "best-<checksum>-mixed-hard.txt"). A new
// record replaces the old one atomically, so a crash never leaves a torn or empty file, and
// under a lock on "best-<checksum>.txt.lock", so two games ending together keep the higher count.
// The write and its syncs run on a writer thread, under the lock taken when the count was
// offered, so a slow disk never holds up the game-over frame; the file's last write is done
// before it goes.
#pragma once

#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"
#include "records/RecordStore.h"

#include <memory>
#include <mutex>
#include <string>

class FileWriter;

class RecordFile : public RecordStore {
public:
    // The record of the data set whose configuration file is configPath, played at level, kept in
    // folder. Without a folder there is no record: nothing is read or written.
    RecordFile(const std::string& folder, const std::string& configPath,
               Difficulty::Level level = Difficulty::Level::Normal);
    // The record of a mode: Classic's is the one above. Its writes go to writer (a thread of its
    // own when none is given).
    RecordFile(const std::string& folder, const std::string& configPath, GameMode mode, Difficulty::Level level,
               std::shared_ptr<FileWriter> writer = nullptr);
    // Finishes the writes still waiting.
    ~RecordFile() override;
    RecordFile(const RecordFile&) = default;
    RecordFile& operator=(const RecordFile&) = default;

    // $XDG_DATA_HOME/squibble-siege, or ~/.local/share/squibble-siege when XDG_DATA_HOME is unset
    // or not absolute; empty when neither is known.
    static std::string defaultFolder();

    // A missing file is no record; one that cannot be read or parsed is no record too, with a
    // line on standard error (so is a missing folder).
    std::optional<int> load() override;
    // A count above the record as read creates the folder if needed and tries the lock once
    // without waiting (busy when another game holds it); the count, if still higher under the
    // lock, is handed to the writer with the lock, which puts it into a temporary file beside the
    // record, flushed, synced and renamed over it. A count handed over counts as stored. A failure
    // costs a line on standard error and the new record.
    Offer keepIfHigher(int waves) override;

    const std::string& path() const { return file; }

private:
    // The record on disk, or the count handed to the writer when that is higher.
    std::optional<int> read();
    std::optional<int> readFile();
    // A line on standard error, unless it is the one told last (from either thread).
    void warnOnce(const std::string& message);
    struct Told {
        std::mutex mutex;
        std::string last;
    };
    static void warnOnce(Told& told, const std::string& message);

    std::string folder;
    std::string file;
    std::shared_ptr<Told> told = std::make_shared<Told>();
    std::optional<int> handedOver;
    std::shared_ptr<FileWriter> writer;
};
