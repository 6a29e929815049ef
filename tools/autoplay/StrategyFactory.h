// Finds the scripted player's strategies by name, for tools that take one on the command line.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace autoplay {

class Strategy;

// "idle", "lasers", "lasers-half", "mixed", "mixed-first", "missile-led" and "missile-led-first", in
// that order ("-first": every missile launcher steps to First as soon as it stands).
const std::vector<std::string>& strategyNames();
// Those and "answer", who builds the towers that answer the kinds coming: played in the Mixed mode.
const std::vector<std::string>& mixedModeStrategyNames();
// The strategy of that name, or null for an unknown name.
std::unique_ptr<Strategy> makeStrategy(const std::string& name);

} // namespace autoplay
