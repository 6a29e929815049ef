// Small files the player owns (records, settings, checkpoints), read with a size limit and written
// so that a crash or power cut at any moment leaves either the old file or the new one, whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

class AtomicFile {
public:
    // The outcome of a read: the text, or why there is none. A missing file is not an error.
    struct ReadResult {
        std::optional<std::string> text;
        bool missing = false;
        std::string error; // empty unless the file exists and could not be read

        // Hands the bytes over; false with why when there are none ("cannot open it" for a
        // missing file).
        bool take(std::string& bytes, std::string& why)
        {
            if (text) {
                bytes = std::move(*text);
                return true;
            }
            why = missing ? "cannot open it" : error;
            return false;
        }
    };

    // Reads a regular file of at most maxBytes into memory of its size. A pipe, device or folder at
    // the path is refused without blocking, and so is a longer file (its bytes are never all held).
    // A path below something that is no folder is missing.
    static ReadResult read(const std::string& path, std::size_t maxBytes);
    // Opens a regular file for reading (blocking reads, close-on-exec) without waiting on a pipe
    // or device put at the path. Returns the descriptor, or -1 with error saying why: "missing"
    // for a file that is not there, else what the path is or the system's reason.
    static int openRegular(const std::string& path, std::string& error);

    // Creates the file's folder if needed, writes text into a new temporary file beside it (created
    // 0666 less the umask), flushes and syncs it, renames it over path and syncs the folder. A
    // symbolic link at path is followed to a regular file, or to none in a folder that is there;
    // anything else there (a device, pipe, socket, folder) is refused and left as it is.
    // Temporaries left by writes cut short are removed. Returns an empty string, or one line
    // saying what went wrong (the old file is then untouched).
    static std::string write(const std::string& path, const std::string& text);

    // Puts the file at temporary in path's place, when path holds a regular file or nothing at that
    // very moment; anything else put there meanwhile (a pipe, a link, a folder) stays, and so does
    // temporary. Returns an empty string, or why not.
    static std::string moveInto(const std::string& temporary, const std::string& path);
    // Syncs a folder, so a rename or unlink in it survives a power cut; quiet when it cannot.
    static void syncFolder(const std::string& folder);
};
