// Read-only catalogue record of an invader kind, filled at start-up.
#pragma once

class SpriteSheet;

struct InvaderType {
    int health = 0;             // health in the first wave
    double healthIncrease = 0;  // added per wave after the first
    int reward = 0;
    double size = 0;            // hit radius in pixels
    SpriteSheet* spriteSheet = nullptr; // owned by the Application
};
