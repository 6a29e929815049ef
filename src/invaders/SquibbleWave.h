// A wave of Squibbles set out in a block of rows above the field and marched as one: sideways
// to a side of the field, down one step, back the other way, until they escape at the bottom.
#pragma once

#include "invaders/Wave.h"

#include <memory>
#include <vector>

class Difficulty;

enum MoveState { MovingRight = 0, MovingDownBeforeLeft = 1, MovingLeft = 2, MovingDownBeforeRight = 3 };

class SquibbleWave : public Wave {
public:
    // Forms count Squibbles, rows of at most 12 centred on one line, the last row just above
    // the field; the speed grows with the World's wave number up to a configured maximum, and is
    // scaled by the World's difficulty.
    explicit SquibbleWave(int count);
    // A block formed beforehand (the Mixed mode's kinds, each placed already), marched the same way.
    explicit SquibbleWave(std::vector<std::unique_ptr<Invader>> formed);

    // How many Squibbles the World sends in a wave, and how fast that wave marches at a difficulty.
    static int sizeFor(int waveNumber);
    static double speedFor(int waveNumber, const Difficulty& difficulty);

    // Marches the block, lets invaders at the bottom line escape at the cost of their landing (one
    // health point for all but the boss), then
    // deletes the dead. Once the game is over the block only animates.
    void update(double dt) override;
    // Whether a live Squibble is within one downward step of the line where it escapes.
    bool nearGround() const override;
    // Right while marching right or stepping down before it, else left.
    int rowDirection() const override;

    double speed = 0.0;   // pixels per second, sideways and down alike
    int moveState = MovingDownBeforeRight;
    double descent = 0.0; // pixels covered in the current downward step
    bool warned = false;  // the warning sound of this wave has played

    // Sets an invader at its slot of a block of count: rows of at most 12, centred, the last row
    // in front just above the field.
    static void place(Invader& invader, int index, int count);

private:
    void move(Invader& invader, double distance);
    void escape(Invader& invader);
    void changeState(int lo, int hi);
};
