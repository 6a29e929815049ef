// What each tower kind is for, in one line: the build button's figures and the controls' help
// say it in these words. Kinds in the build bar's order: laser turret, missile turret, tesla coil.
#pragma once

struct TowerRoles {
    static constexpr int Count = 3;
    static constexpr const char* Lines[Count] = {
        "fires straight up, fast and cheap",
        "homes on a target, blast",
        "strikes the nearest in its range",
    };

    // The line of a kind; empty for a kind without one.
    static const char* of(int kind) { return kind >= 0 && kind < Count ? Lines[kind] : ""; }
};
