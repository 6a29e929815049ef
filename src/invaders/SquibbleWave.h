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

    // Where an invader's top escapes, and where the warning starts: two downward steps above it.
    static constexpr double StepHeight = 16.0;
    static constexpr double EscapeLine = 190.0;
    static constexpr double WarningLine = EscapeLine - 2.0 * StepHeight;

    // How many Squibbles the World sends in a wave, and how fast that wave marches at a difficulty.
    static int sizeFor(int waveNumber);
    static double speedFor(int waveNumber, const Difficulty& difficulty);

    // Marches the block, lets invaders at the bottom line escape at a cost of one health, then
    // deletes the dead. Once the game is over the block only animates.
    void update(double dt) override;
    // Whether a live Squibble is within two downward steps of the line where it escapes.
    bool nearGround() const override;
    double lowestRow() const override;
    double secondsToGround() const override;
    // Seconds until the lowest row of a fresh block of count lands at speed, none destroyed on
    // the way: the downward steps and the sideways sweeps between them.
    static double marchSeconds(int count, double speed);
    // Right while marching right or stepping down before it, else left.
    int rowDirection() const override;

    double speed = 0.0;   // pixels per second, sideways and down alike
    int moveState = MovingDownBeforeRight;
    double descent = 0.0; // pixels covered in the current downward step
    bool warned = false;  // the warning sound of this wave has played, for the row below
    double dropped = 0.0; // pixels the block has come down since it was formed

private:
    void place(Invader& invader, int index, int count);
    void move(Invader& invader, double distance);
    void escape(Invader& invader);
    void changeState(int lo, int hi);
    // The warning sound, once for each row that comes within two steps of the ground.
    void warn();

    // Where the row that warned last was formed: a row's height less the block's drop.
    double warnedRow = 0.0;
};
