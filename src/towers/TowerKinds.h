// The tower kinds of the game in one table: each kind's name, how a tower of it is made, its
// weapons' rule and the animations its sheet must hold. The World's factory, the checkpoint, the
// books, the build bar and the data checker all read it, so the kinds, their number and their
// names are written here alone. A kind's index is its place in the data set's
// tower catalogue.
#pragma once

#include <memory>
#include <string>

class Building;
struct KindRules;

class TowerKinds {
public:
    // The kinds by their index, and how many there are.
    static constexpr int Laser = 0;
    static constexpr int Missile = 1;
    static constexpr int Tesla = 2;
    static constexpr int Count = 3;

    static bool exists(int kind) { return kind >= 0 && kind < Count; }
    // The name the kind goes by in files ("LaserTurret"...), or "?" for no kind of the game.
    static const char* nameOf(int kind);
    // The kind with that name, or -1 for none.
    static int named(const std::string& name);
    // A new tower of the kind, not yet placed; null for no kind of the game.
    static std::unique_ptr<Building> create(int kind);
    // The kind's own weapons' rule (ask exists first).
    static const KindRules& rulesOf(int kind);
    // The animations the game plays from the kind's sheet; 0 for no kind of the game.
    static unsigned animationsOf(int kind);
};
