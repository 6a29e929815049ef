// The inputs of one run as they reached the game: every read of the keyboard, the mouse, the frame
// clock and the window's pause request is a call, numbered in order, and only the calls whose
// answer differs from the expected one (the last answer of the same kind; no key waiting; no pause)
// are written, as the count of calls since the last entry, the kind and the answer, in
// variable-length bytes. The same game fed the same answers makes the same calls in the same order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class TapeCall : std::uint8_t { Frame = 1, MouseX, MouseY, MouseButtons, NextKey, KeyHeld, KeyDown, PauseTaken };

class InputTape {
public:
    // Room for about an hour of play, so recording never allocates in a frame.
    static constexpr std::size_t ReservedBytes = 1 << 20;

    InputTape() { entries.reserve(ReservedBytes); }

    // A call answered as expected.
    void skip()
    {
        ++gap;
        ++count;
    }
    // A call answered otherwise.
    void note(TapeCall call, std::uint64_t answer);
    // Calls so far.
    std::uint64_t calls() const { return count; }
    const std::string& bytes() const { return entries; }

    static void putNumber(std::string& out, std::uint64_t value);

private:
    std::string entries;
    std::uint64_t gap = 0;
    std::uint64_t count = 0;
};

// Reads a tape back call by call.
class TapeReader {
public:
    TapeReader() = default;
    explicit TapeReader(const std::string* bytes);

    // Whether this call has an entry; its answer then. A call of another kind than the entry's
    // (the game went another way) or bytes that do not read break the tape for good.
    bool answer(TapeCall call, std::uint64_t& value);
    // Every entry was used, none was broken.
    bool finished() const { return !broken && position == size(); }
    bool isBroken() const { return broken; }
    std::uint64_t calls() const { return count; }

private:
    std::size_t size() const { return bytes ? bytes->size() : 0; }
    bool readNumber(std::uint64_t& value);
    // Reads the next entry's place; false at the end.
    void loadNext();

    const std::string* bytes = nullptr;
    std::size_t position = 0;
    std::uint64_t count = 0;
    // The call number of the next entry, and whether there is one.
    std::uint64_t nextAt = 0;
    bool hasNext = false;
    bool broken = false;
};
