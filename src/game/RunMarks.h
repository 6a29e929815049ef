// The figures a replay keeps of the World: after each wave defeated and at the end.
#pragma once

#include "replay/Replay.h"

class World;

namespace RunMarks {

RunMark of(const World& world);

} // namespace RunMarks
