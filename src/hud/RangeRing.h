// The reach of a tower kind with a range (the tesla coil), as a dotted ring around the point it
// strikes from: under the tower being placed, around the selected tower, and the reach after the
// hovered upgrade when that upgrade changes it; the laser's, as the dotted column its bolts sweep
// straight up. Dotted so the invaders under it stay readable.
#pragma once

struct BITMAP;
struct FiguresSubject;
struct FrameView;

class RangeRing {
public:
    // The ring of what the figures panel is about this frame.
    static void draw(BITMAP* target, const FrameView& view, const FiguresSubject& subject);
    // A ring of every other pixel around (cx, cy) in colour.
    static void drawDotted(BITMAP* target, int cx, int cy, int radius, int colour);
    // Dotted lines halfWidth either side of x = cx, from the top of the field down to top.
    static void drawColumn(BITMAP* target, int cx, int top, int halfWidth, int colour);
};
