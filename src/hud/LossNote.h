// What the health bar says after a landing: the health lost ("-4"), summed over escapes that come
// close together, so that a row landing reads as one event; gone a moment after the last one.
#pragma once

class LossNote {
public:
    // How long the figure stays after the last loss, in game seconds.
    static constexpr double Shown = 1.5;

    // Starts afresh at a game's health.
    void reset(int health);
    // Once per update, with the health after it and the update's elapsed seconds; a change while
    // no wave marches (a kept run resumed) is no landing.
    void follow(int health, double dt, bool waveMarching);
    // The health lost to show now; 0 for nothing.
    int shown() const { return since < Shown ? lost : 0; }

private:
    int last = 0;
    int lost = 0;
    double since = Shown;
};
