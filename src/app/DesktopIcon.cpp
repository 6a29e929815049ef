#include "app/DesktopIcon.h"

#include <allegro.h>

#include <cstddef>

std::vector<unsigned long> DesktopIcon::cardinals(BITMAP* drawing)
{
    std::vector<unsigned long> values;
    if (!drawing || drawing->w <= 0 || drawing->h <= 0)
        return values;
    const int mask = bitmap_mask_color(drawing);
    const int depth = bitmap_color_depth(drawing);
    std::size_t count = 0;
    for (int size : Sizes)
        count += 2 + static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    // Exactly: grown by doubling, the largest sizes would hold half as much again for a moment.
    values.reserve(count);
    for (int size : Sizes) {
        values.push_back(static_cast<unsigned long>(size));
        values.push_back(static_cast<unsigned long>(size));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const int pixel = getpixel(drawing, x * drawing->w / size, y * drawing->h / size);
                if (pixel == mask) {
                    values.push_back(0);
                    continue;
                }
                const unsigned long red = static_cast<unsigned long>(getr_depth(depth, pixel));
                const unsigned long green = static_cast<unsigned long>(getg_depth(depth, pixel));
                const unsigned long blue = static_cast<unsigned long>(getb_depth(depth, pixel));
                values.push_back(0xff000000ul | red << 16 | green << 8 | blue);
            }
    }
    return values;
}

std::vector<unsigned long> DesktopIcon::load(const std::string& path)
{
    BITMAP* drawing = load_bitmap(path.c_str(), nullptr);
    std::vector<unsigned long> values = cardinals(drawing);
    if (drawing)
        destroy_bitmap(drawing);
    return values;
}
