// What the keys show over the game: the game speed in the status row while it is above 1x, a
// short notice (the volume) and, while the help is open, a page of the controls table over a
// darkened field, with the pages to turn when the table is longer than the sky.
#pragma once

#include "app/Field.h"

struct BITMAP;
struct FrameView;

class ControlsOverlay {
public:
    // Where the speed stands in the status row: right of the mute mark.
    static constexpr int SpeedX = 82;
    static constexpr int SpeedY = Field::StatusTop;

    // How many rows of the controls table one page of the help holds, and how many pages it takes.
    static int rowsPerPage();
    static int pageCount();

    static void draw(BITMAP* target, const FrameView& view);

private:
    static void drawHelp(BITMAP* target, const FrameView& view);
};
