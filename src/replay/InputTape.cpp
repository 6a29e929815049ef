#include "replay/InputTape.h"

namespace {

// Seven bits a byte: a call count or answer never needs more than ten bytes.
constexpr int MaxNumberBytes = 10;

} // namespace

void InputTape::putNumber(std::string& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7f) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

void InputTape::note(TapeCall call, std::uint64_t answer)
{
    putNumber(entries, gap);
    entries.push_back(static_cast<char>(call));
    putNumber(entries, answer);
    gap = 0;
    ++count;
}

TapeReader::TapeReader(const std::string* bytes)
    : bytes(bytes)
{
    loadNext();
}

bool TapeReader::readNumber(std::uint64_t& value)
{
    value = 0;
    for (int shift = 0, read = 0; read < MaxNumberBytes && position < size(); ++read, shift += 7) {
        const auto byte = static_cast<unsigned char>((*bytes)[position++]);
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0)
            return true;
    }
    return false;
}

void TapeReader::loadNext()
{
    hasNext = false;
    if (broken || position >= size())
        return;
    std::uint64_t gap = 0;
    if (!readNumber(gap) || gap > UINT64_MAX - count) {
        broken = true;
        return;
    }
    nextAt = count + gap;
    hasNext = true;
}

bool TapeReader::answer(TapeCall call, std::uint64_t& value)
{
    const std::uint64_t here = count++;
    if (broken || !hasNext || nextAt != here)
        return false;
    if (position >= size() || static_cast<std::uint8_t>((*bytes)[position]) != static_cast<std::uint8_t>(call)) {
        broken = true;
        return false;
    }
    ++position;
    if (!readNumber(value)) {
        broken = true;
        return false;
    }
    // The next entry's gap counts from the call after this one.
    count = here + 1;
    loadNext();
    return true;
}
