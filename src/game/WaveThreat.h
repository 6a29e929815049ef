// The threat of the wave to come (in the pause before it) or of the wave marching (what is left
// of it), against the towers standing now: the figures ThreatEstimate weighs, taken from the World.
#pragma once

#include "stats/ThreatEstimate.h"

class World;

class WaveThreat {
public:
    static ThreatEstimate of(const World& world);
};
