// Counts heap allocations made through the global operator new, which this benchmark binary
// replaces, so a benchmark can tell how many allocations one call makes.
#pragma once

#include <cstddef>

namespace allocations {

// Allocations made since the program started.
std::size_t count();

} // namespace allocations
