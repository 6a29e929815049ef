// The one invader kind: animates, grows tougher with each wave, flashes when hit and, when
// destroyed, pays its reward with a poof and a floating "+reward" text.
#pragma once

#include "invaders/Invader.h"

class Difficulty;
struct InvaderType;

class Squibble : public Invader {
public:
    // Health from the type, the World's wave number and difficulty, radius and sprite from the type.
    Squibble();

    void update(double dt) override;
    // With the debug overlay on, also shows the health at the top-left corner.
    void draw(BITMAP* destination) override;
    // Replays the flash of the current hurt level, or pays out when health reaches 0.
    void takeDamage(int amount) override;

    // Health of every Squibble of the given wave: the type's health plus the per-wave increase,
    // scaled by the difficulty.
    static int healthFor(int waveNumber, const Difficulty& difficulty);

private:
    static const InvaderType& type();
    void flash();
    void destroyed();
};
