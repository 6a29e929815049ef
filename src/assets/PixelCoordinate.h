// Turns a position held as a double into the whole pixel it is drawn at or handed on as.
#pragma once

#include <cmath>

// Far outside any bitmap, yet small enough that clipping arithmetic on it cannot overflow an int.
constexpr double PixelCoordinateLimit = 1.0e6;

// Truncates toward zero. Positions that ran off to absurd values (or NaN) from broken tuning
// numbers are pinned far off-screen instead of overflowing the conversion.
inline int toPixel(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > PixelCoordinateLimit)
        return static_cast<int>(PixelCoordinateLimit);
    if (value < -PixelCoordinateLimit)
        return static_cast<int>(-PixelCoordinateLimit);
    return static_cast<int>(value);
}
