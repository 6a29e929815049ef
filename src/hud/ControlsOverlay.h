// What the keys show over the game: the game speed in the status row while it is above 1x, a
// short notice (the volume) and, while the help is open, the table of controls over a darkened
// field. It only reads the game.
#pragma once

#include "game/Field.h"

struct BITMAP;
class World;

class ControlsOverlay {
public:
    // Where the speed stands in the status row: right of the mute mark.
    static constexpr int SpeedX = 82;
    static constexpr int SpeedY = Field::StatusTop;

    explicit ControlsOverlay(const World& world);

    void draw(BITMAP* target) const;

private:
    void drawHelp(BITMAP* target) const;

    const World& world;
};
