// The keys of every invader kind the game reads: the Squibble's designed ones, and for the Mixed
// mode's kinds their names, hints, armour, shield, landing cost and place in the waves.
#pragma once

#include "mztool/KeyChecker.h"

#include <string>
#include <vector>

class Config;

namespace mztool {

class InvaderKeys {
public:
    // A key the kind does not read (written or not) is known only when it is written, so that it
    // is checked but not noted as missing.
    static void append(std::vector<KeyChecker::KnownKey>& keys, Config& config);
    // Whether the game reads Invader#.FIELD for the kind (a kind's number in InvaderKinds).
    static bool reads(const std::string& field, int kind);
};

} // namespace mztool
