// Read-only catalogue record of an invader kind, filled at start-up.
#pragma once

#include <string>

class SpriteSheet;

struct InvaderType {
    int health = 0;             // health in the first wave
    double healthIncrease = 0;  // added per wave after the first
    int reward = 0;
    double size = 0;            // hit radius in pixels
    SpriteSheet* spriteSheet = nullptr; // owned by the Application
    // The kinds of the Mixed mode add these; the Squibble leaves them at their defaults.
    std::string name;           // as the player reads it ("Armoured")
    std::string hint;           // what hurts it, one short line
    int armour = 0;             // taken off every hit (at least 1 gets through)
    int shield = 0;             // percent of its health a shield soaks first
    double shieldReturn = 0;    // seconds without a hit before a spent shield is whole again
    int landingCost = 1;        // health points the player loses when it lands
};
