// What an invader of the Mixed kinds is made from: the catalogue of kinds, the wave it comes in,
// the difficulty and where it reports. A splitter hands it on to the small ones it leaves.
#pragma once

#include "app/InvaderType.h"
#include "difficulty/Difficulty.h"

class KindEvents;

struct KindContext {
    const InvaderType* types = nullptr; // InvaderKinds::Count records, in kind order
    int waveNumber = 1;
    Difficulty difficulty;
    KindEvents* events = nullptr;

    const InvaderType& type(int kind) const { return types[kind]; }
};
