// Where the back buffer's picture sits on the screen: enlarged by a whole factor and centred, so
// the picture that is shown and the pointer that is read back agree to the pixel.
#pragma once

#include "app/Field.h"

class ScreenLayout {
public:
    // The whole factors a window may be enlarged by.
    static constexpr int MinimumScale = 1;
    static constexpr int MaximumScale = 8;

    // The 320 x 240 picture at twice its size filling a 640 x 480 window.
    ScreenLayout() = default;
    ScreenLayout(int scale, int left, int top, int pictureWidth, int pictureHeight);

    // The largest whole factor (at least 1) by which the picture fits the screen, centred.
    static ScreenLayout centred(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight);
    // The largest whole factor by which the picture fits an area; 0 when it does not fit at all.
    static int largestScale(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight);
    // The window scale to open: the one asked for, or the largest (at least 1) by which the picture
    // fits the desktop when the asked one does not; the one asked for when the desktop is unknown (0).
    static int windowScale(int asked, int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight);

    // Whether a screen pixel lies on the shown picture, not on the black border around it.
    bool shows(int screenX, int screenY) const;
    // The picture pixel under a screen pixel of the picture (ask shows() first: a pixel of the
    // border is taken to the nearest edge, which is not where the pointer is).
    int pictureX(int screenX) const { return toPicture(screenX - pictureLeft, width); }
    int pictureY(int screenY) const { return toPicture(screenY - pictureTop, height); }
    // The screen pixel at the top left of the block that shows a picture pixel.
    int screenX(int pictureX) const { return pictureLeft + pictureX * factor; }
    int screenY(int pictureY) const { return pictureTop + pictureY * factor; }

    int scale() const { return factor; }
    int left() const { return pictureLeft; }
    int top() const { return pictureTop; }
    int shownWidth() const { return width * factor; }
    int shownHeight() const { return height * factor; }

private:
    int toPicture(int offset, int size) const;

    int factor = 2;
    int pictureLeft = 0;
    int pictureTop = 0;
    int width = Field::Width;
    int height = Field::Height;
};
