// Makes the World's next wave in the mode played: Classic's block of Squibbles as designed, or the
// Mixed mode's block of kinds as the data set's make-up has it.
#pragma once

#include <memory>
#include <vector>

#include "difficulty/GameMode.h"

class Config;
class KindEvents;
class Wave;
class World;

class WaveFactory {
public:
    // The wave of the World's wave number, its invaders reporting to events.
    static std::unique_ptr<Wave> create(World& world, KindEvents& events);
    // The kind of every slot of a wave's block in a mode: all Squibbles in Classic.
    static std::vector<int> kindsOf(Config& config, GameMode mode, int waveNumber);
};
