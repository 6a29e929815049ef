// A wave of Squibbles set out in a block of rows above the field and marched as one: sideways
// to a side of the field, down one step, back the other way, until they escape at the bottom.
#pragma once

#include "invaders/Wave.h"

class Difficulty;

enum MoveState { MovingRight = 0, MovingDownBeforeLeft = 1, MovingLeft = 2, MovingDownBeforeRight = 3 };

class SquibbleWave : public Wave {
public:
    // Forms count Squibbles, rows of at most 12 centred on one line, the last row just above
    // the field; the speed grows with the World's wave number up to a configured maximum, and is
    // scaled by the World's difficulty.
    explicit SquibbleWave(int count);

    // How many Squibbles the World sends in a wave, and how fast that wave marches at a difficulty.
    static int sizeFor(int waveNumber);
    static double speedFor(int waveNumber, const Difficulty& difficulty);

    // Marches the block, lets invaders at the bottom line escape at a cost of one health, then
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

private:
    void place(Invader& invader, int index, int count);
    void move(Invader& invader, double distance);
    void escape(Invader& invader);
    void changeState(int lo, int hi);
};
