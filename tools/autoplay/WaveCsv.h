// The wave-by-wave balance figures as comma-separated values, one row per difficulty, strategy
// and wave, the form the balance plot script reads.
#pragma once

#include "autoplay/WaveLog.h"

#include <ostream>
#include <string>
#include <vector>

namespace autoplay {

// The header line's column names, in order.
extern const char* const WaveCsvColumns[11];

// The header line.
void writeWaveCsvHeader(std::ostream& out);
// One line per wave of one strategy's game at a difficulty.
void writeWaveCsvRows(std::ostream& out, const std::string& difficulty, const std::string& strategy,
                      const std::vector<WaveRecord>& rows);

} // namespace autoplay
