// The keys of every invader kind the game reads: the Squibble's designed ones, and for the Mixed
// mode's kinds their names, hints, armour, shield, landing cost and place in the waves.
#pragma once

#include "mztool/KeyChecker.h"

#include <vector>

namespace mztool {

class InvaderKeys {
public:
    static void append(std::vector<KeyChecker::KnownKey>& keys);
};

} // namespace mztool
