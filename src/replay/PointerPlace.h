// A pointer coordinate on the tape: 0 off the picture's side, else the picture pixel plus 1.
#pragma once

#include "app/ScreenLayout.h"

#include <cstdint>

namespace PointerPlace {

inline std::uint64_t ofX(const ScreenLayout& layout, int screenX)
{
    const int offset = screenX - layout.left();
    return offset < 0 || offset >= layout.shownWidth() ? 0 : static_cast<std::uint64_t>(layout.pictureX(screenX)) + 1;
}

inline std::uint64_t ofY(const ScreenLayout& layout, int screenY)
{
    const int offset = screenY - layout.top();
    return offset < 0 || offset >= layout.shownHeight() ? 0 : static_cast<std::uint64_t>(layout.pictureY(screenY)) + 1;
}

// The screen pixel at a tape coordinate: the picture pixel's top-left, or one left of (above) the picture.
inline int screenX(const ScreenLayout& layout, std::uint64_t place)
{
    return place == 0 ? layout.left() - 1 : layout.left() + static_cast<int>(place - 1) * layout.scale();
}

inline int screenY(const ScreenLayout& layout, std::uint64_t place)
{
    return place == 0 ? layout.top() - 1 : layout.top() + static_cast<int>(place - 1) * layout.scale();
}

} // namespace PointerPlace
