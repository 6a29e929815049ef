// A replay as a file: a few lines of text saying what the run was and how it went, then the
// input tape compressed with zlib. Read back with every size and number checked.
//
//   squibble-siege replay 2
//   game 1.0.0 / data 1a2b3c4d / seed 1234 / difficulty Normal / mode Classic / step 0.016833
//   frames 5400 / over yes / parts 1           (the first part's seed and frames; how many parts)
//   wave N MONEY HEALTH DESTROYED ESCAPED EARNED SPENT BUILT UPGRADES   (one per wave defeated)
//   end  ... the same figures at the end
//   start BYTES, a newline, and the checkpoint   (only when the first part starts from one)
//   tape BYTES, a newline, and that many bytes of zlib data
// and for each time the run was closed and resumed:
//   part SEED FRAMES
//   start BYTES, a newline, and the checkpoint it resumed from
//   tape BYTES, a newline, and its zlib data
// Version 1 files (one part) are read too.
#pragma once

#include "replay/Replay.h"

#include <cstddef>
#include <optional>
#include <string>

class ReplayFile {
public:
    // Files and tapes beyond these are refused: days of play.
    static constexpr std::size_t MaxBytes = 16u << 20;
    static constexpr std::size_t MaxTapeBytes = 64u << 20;
    static constexpr const char* Extension = ".sqreplay";

    struct Parsed {
        std::optional<Replay> replay;
        std::string problem; // one line, when there is no replay
    };

    static std::string write(const Replay& replay);
    static Parsed parse(const std::string& bytes);
    // The header and figures alone, without unpacking the tape (tape left empty).
    static Parsed parseHeader(const std::string& bytes);
    // Reads a file through the bounded reader.
    static Parsed read(const std::string& path);

private:
    static Parsed parseWith(const std::string& bytes, bool unpackTape);
};
