// Brings the Application up without a window or input devices and loads a data set into it, the
// way the game's start-up does, for tools and benchmarks that play or draw off screen.
#pragma once

#include <string>
#include <vector>

namespace autoplay {

// Starts Allegro with no system driver (once), 32-bit colour, the .mz loader and a back buffer;
// then, from dataRoot (the directory holding data/, which becomes the working directory), reads
// data/strings.txt and loads all content. Returns the problems found; a missing configuration
// file or an unusable directory is one of them.
std::vector<std::string> startHeadless(const std::string& dataRoot);

} // namespace autoplay
