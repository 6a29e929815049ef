// The weapons of a tower of each kind at given upgrade levels, worked out from the configuration.
// The towers take their numbers from here when they are built and upgraded, and so do the figures
// shown to the player: the two cannot drift apart.
#pragma once

#include <vector>

struct TowerWeapons {
    float period = 0.0f;       // seconds between shots (between launches for the missile turret)
    int damage = 0;            // to the invader a shot hits
    int splashDamage = 0;      // to every invader in a missile's blast, the one hit included
    double splashRadius = 0.0; // pixels
    int missilesPerLaunch = 1; // the missile turret's double launch makes it 2
    bool launcher = false;     // the laser turret's missile launcher has been bought
    float missilePeriod = 0.0f;
    int missileDamage = 0;
    double range = 0.0;        // pixels from the strike point; 0 for kinds that reach the whole field
};

// What one level of an upgrade path changes, and the data set's key that says by how much. A key
// names the first level (one names the second) for history's sake; every level adds it again.
struct UpgradeModifier {
    enum Role { Rate, MissilePeriod, MissileDamage, SplashRadius, Damage, Range };
    int kind; // 0, 1 or 2
    int path; // from 0
    Role role;
    const char* key;
    bool whole;             // a whole number; else one with a fraction
    const char* whenAbsent; // what a data set without the key gets; null when the key must be there
};

class TowerRules {
public:
    // Paths a kind may have at most in what the figures look at.
    static constexpr int MostPaths = 8;

    // The weapons of a tower of kind 0, 1 or 2 with levels[p] levels bought of path p (count
    // paths); an unknown kind has none. Every level of a path adds that path's modifier again.
    static TowerWeapons weaponsOf(int kind, const int* levels, int count);
    static TowerWeapons weaponsOf(int kind, const std::vector<int>& levels)
    {
        return weaponsOf(kind, levels.data(), static_cast<int>(levels.size()));
    }

    // Every key an upgrade path's modifier is read from, for the towers and the data checker alike.
    static const std::vector<UpgradeModifier>& modifiers();
    // The key of a kind's modifier in that role; the key of no kind is empty.
    static const char* keyOf(int kind, UpgradeModifier::Role role);
};
