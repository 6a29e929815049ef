// How far apart two words are: the edits (insertions, deletions, substitutions) that turn one
// into the other, for telling a misspelt key from an unknown one.
#pragma once

#include <cstddef>
#include <string>

namespace mztool {

std::size_t editDistance(const std::string& a, const std::string& b);

} // namespace mztool
