// Brings the Application up without a window or input devices and loads a data set into it, the
// way the game's start-up does, for tools and benchmarks that play or draw off screen.
#pragma once

#include <string>
#include <vector>

namespace autoplay {

// Starts Allegro with no system driver (once), then takes the game's own start-up steps for the
// pictures and the data set from dataRoot (the directory holding data/, which becomes the working
// directory). Returns the problems found; a missing configuration file or an unusable directory
// is one of them.
std::vector<std::string> startHeadless(const std::string& dataRoot);

} // namespace autoplay
