#include "app/ScreenLayout.h"

#include <algorithm>

ScreenLayout::ScreenLayout(int scale, int left, int top, int pictureWidth, int pictureHeight)
    : factor(std::max(scale, 1))
    , pictureLeft(left)
    , pictureTop(top)
    , width(std::max(pictureWidth, 1))
    , height(std::max(pictureHeight, 1))
{
}

ScreenLayout ScreenLayout::centred(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight)
{
    const int scale = std::max(largestScale(screenWidth, screenHeight, pictureWidth, pictureHeight), 1);
    return ScreenLayout(scale, (screenWidth - pictureWidth * scale) / 2, (screenHeight - pictureHeight * scale) / 2,
                        pictureWidth, pictureHeight);
}

int ScreenLayout::largestScale(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return 0;
    return std::min(areaWidth / pictureWidth, areaHeight / pictureHeight);
}

int ScreenLayout::windowScale(int asked, int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight)
{
    if (desktopWidth <= 0 || desktopHeight <= 0)
        return asked;
    const int fitting = largestScale(desktopWidth, desktopHeight, pictureWidth, pictureHeight);
    return std::min(asked, std::max(fitting, MinimumScale));
}

bool ScreenLayout::shows(int screenX, int screenY) const
{
    const long long x = static_cast<long long>(screenX) - pictureLeft;
    const long long y = static_cast<long long>(screenY) - pictureTop;
    return x >= 0 && y >= 0 && x < shownWidth() && y < shownHeight();
}

int ScreenLayout::toPicture(int offset, int size) const
{
    if (offset < 0)
        return 0;
    return std::min(offset / factor, size - 1);
}
