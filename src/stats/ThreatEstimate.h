// How heavy a wave is for the defence standing now: the wave's total health against the damage
// the towers could deal while the block marches down to the ground (their damage per second
// together, times the seconds the lowest row needs to land). A simple and optimistic sum: it
// takes every tower to fire the whole time at something it can hit. Shared by the wave panel and
// the balance report, so the figure a player sees is the one the balance is checked against.
#pragma once

#include <vector>

class ThreatEstimate {
public:
    enum class Verdict { Light, Even, Heavy };

    // The defence could deal at least twice the wave's health: Light; at least all of it: Even.
    static constexpr double EvenShare = 0.5;
    static constexpr double HeavyShare = 1.0;

    // waveHealth: of every invader still to come; towerDamagePerSecond: one entry per tower;
    // marchSeconds: until the lowest row lands. Negative or not-a-number figures count as 0.
    static ThreatEstimate of(double waveHealth, const std::vector<double>& towerDamagePerSecond, double marchSeconds);

    // The wave's health for each point of damage the defence could deal; above 1 the defence
    // cannot stop it even with every shot landing. Very large (not infinite) with no defence.
    double ratio() const { return share; }
    Verdict verdict() const;
    // "Light", "Even" or "Heavy for your defence".
    static const char* caption(Verdict verdict);
    // The bar's fill out of width: the ratio, full at twice the Heavy line.
    int barFill(int width) const;

    double waveHealth = 0.0;
    double defenceDamage = 0.0;

private:
    double share = 0.0;
};
