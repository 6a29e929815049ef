// What one tower has done this game: the health its shots took off invaders and the invaders it
// finished off. Shared with the shots it fired, which may still land after it is demolished.
#pragma once

struct TowerTally {
    long long damage = 0;
    int invadersDestroyed = 0;
};
