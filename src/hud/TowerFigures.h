// What a tower of a kind does, in the figures a player weighs: damage per hit, hits per second,
// damage per second, reach and blast. Worked out from the same rules the towers fire by
// (TowerRules), so a change of the data or of a tower's rules shows at once.
#pragma once

class Building;
struct TowerType;

class TowerFigures {
public:
    // A tower of kind with levels[p] levels of path p (count paths).
    static TowerFigures of(int kind, const int* levels, int count);
    // A standing tower as it is now.
    static TowerFigures of(const Building& tower);
    // A standing tower of its kind's type once one more level of path p is bought (as it is, when
    // the path is full).
    static TowerFigures afterUpgrade(const Building& tower, int path, const TowerType& type);

    // To the invader a shot lands on: a missile's blast hits it as well as the missile.
    int damagePerHit = 0;
    double hitsPerSecond = 0.0;
    // Against one invader within reach, every weapon of the tower together.
    double damagePerSecond = 0.0;
    double range = 0.0;        // 0: the kind reaches the whole field
    double blastRadius = 0.0;  // 0: no blast
    // The laser turret's launcher: damage of a missile and missiles per second; 0 without one.
    int missileDamage = 0;
    double missilesPerSecond = 0.0;
};
