// The best record of one data set and difficulty kept in a small text file in the player's data
// folder: "best-<checksum>.txt" for Normal, "best-<checksum>-easy.txt" and "best-<checksum>-hard.txt"
// beside it, the checksum being that of the data set's configuration file; the Mixed mode's records
// add "-mixed" after the checksum ("best-<checksum>-mixed.txt", "best-<checksum>-mixed-hard.txt"). A new
// record replaces the old one atomically, so a crash never leaves a torn or empty file, and
// under a lock on "best-<checksum>.txt.lock", so two games ending together keep the higher count.
#pragma once

#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"
#include "game/RecordStore.h"

#include <string>

class RecordFile : public RecordStore {
public:
    // The record of the data set whose configuration file is configPath, played at level, kept in
    // folder. Without a folder there is no record: nothing is read or written.
    RecordFile(const std::string& folder, const std::string& configPath,
               Difficulty::Level level = Difficulty::Level::Normal);
    // The record of a mode: Classic's is the one above.
    RecordFile(const std::string& folder, const std::string& configPath, GameMode mode, Difficulty::Level level);

    // $XDG_DATA_HOME/squibble-siege, or ~/.local/share/squibble-siege when XDG_DATA_HOME is unset
    // or not absolute; empty when neither is known.
    static std::string defaultFolder();

    // A missing file is no record; one that cannot be read or parsed is no record too, with a
    // line on standard error (so is a missing folder).
    std::optional<int> load() override;
    // A count above the record as read creates the folder if needed and tries the lock once
    // without waiting (busy when another game holds it); the count, if still higher under the
    // lock, goes into a temporary file beside the record, flushed, synced and renamed over it. A
    // failure costs a line on standard error and the new record.
    Offer keepIfHigher(int waves) override;

    const std::string& path() const { return file; }

private:
    std::optional<int> read();
    // A line on standard error, unless it is the one told last.
    void warnOnce(const std::string& message);

    std::string folder;
    std::string file;
    std::string lastTold;
};
