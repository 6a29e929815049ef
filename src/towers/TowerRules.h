// The weapons of a tower of each kind at given upgrade levels, worked out from the configuration.
// The towers take their numbers from here when they are built and upgraded, and so do the figures
// shown to the player: the two cannot drift apart.
#pragma once

#include <vector>

class Config;

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
    int kind; // a kind of TowerKinds
    int path; // from 0
    Role role;
    const char* key;
    bool whole;             // a whole number; else one with a fraction
    const char* whenAbsent; // what a data set without the key gets; null when the key must be there
};

// A number of the data set that a kind's weapons start from.
struct BaseKey {
    const char* key;
    bool whole; // a whole number; else one with a fraction
};

// The levels of each upgrade path a tower has bought; a path beyond those given has none.
struct BoughtLevels {
    const int* levels;
    int count;
    int of(int path) const { return path < count && levels[path] > 0 ? levels[path] : 0; }
};

// One kind's own rule, written in its tower's file: the numbers its weapons start from (the
// period between shots first), its upgrade paths' modifiers and how its weapons follow from them.
struct KindRules {
    std::vector<BaseKey> baseKeys;
    std::vector<UpgradeModifier> modifiers;
    TowerWeapons (*weapons)(Config& config, BoughtLevels bought);
};

class TowerRules {
public:
    // Paths a kind may have at most in what the figures look at.
    static constexpr int MostPaths = 8;

    // The weapons of a tower of a kind with levels[p] levels bought of path p (count paths), by its
    // kind's own rule; an unknown kind has none. Every level of a path adds that path's modifier again.
    static TowerWeapons weaponsOf(int kind, const int* levels, int count);
    static TowerWeapons weaponsOf(int kind, const std::vector<int>& levels)
    {
        return weaponsOf(kind, levels.data(), static_cast<int>(levels.size()));
    }

    // The period read from periodKey after `times` levels of a rate path, each adding the modifier
    // read from modifierKey as a float again, the way the towers have always added it.
    static float shortened(Config& config, const char* periodKey, const char* modifierKey, int times);

    // Every key an upgrade path's modifier is read from, for the towers and the data checker alike.
    static const std::vector<UpgradeModifier>& modifiers();
    // The numbers a kind's weapons start from, the period between shots first; none for no kind.
    static const std::vector<BaseKey>& baseKeysOf(int kind);
};
