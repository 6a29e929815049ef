// The tape's bytes packed with zlib, and unpacked with a bound on what they may grow to.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

class TapeCompression {
public:
    static std::string pack(const std::string& bytes);
    // None when the data is not whole zlib data or would unpack to more than maxBytes.
    static std::optional<std::string> unpack(const std::string& packed, std::size_t maxBytes);
};
