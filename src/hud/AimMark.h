// What a tower aims at, in pictures: the crosshair of the aim button on a selected tower's bar, and
// over every tower that aims by another rule than its kind's own the rule's initial on a dark patch.
#pragma once

#include <list>
#include <memory>

struct BITMAP;
class BitmapFont;
class Building;

class AimMark {
public:
    // The crosshair in the 16-pixel icon square whose top-left is (x, y).
    static void drawIcon(BITMAP* target, int x, int y);
    // Over each tower not on its kind's own rule, just above its sprite: "F", "S" or "W"...
    static void drawOnField(BITMAP* target, const std::list<std::unique_ptr<Building>>& towers,
                            const BitmapFont* font, int baseline);
};
