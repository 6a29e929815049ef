// The dark boxes our captions stand on so they read on any sky: drawn first, the text over them.
// Also the pause's look: the field dimmed and the build bar greyed.
#pragma once

struct BITMAP;

class CaptionBox {
public:
    // Room left round the text on every side.
    static constexpr int Padding = 2;

    // A box round a block of text width x height centred on x with its top at y, Padding larger
    // on every side: the panels' dark colour, or its grey on a greyed picture.
    static void centred(BITMAP* target, int x, int y, int width, int height, bool grey = false);
    // A box of the panels' colour; half of what is under it shows through when see-through.
    static void box(BITMAP* target, int left, int top, int width, int height, bool grey, bool seeThrough);
    // Leaves the rectangle's pixels kept/255 of their brightness: half unless told otherwise.
    static void dim(BITMAP* target, int left, int top, int width, int height, int kept = 127);
    // Turns the rectangle's pixels grey.
    static void grey(BITMAP* target, int left, int top, int width, int height);
};
