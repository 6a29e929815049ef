#include "effects/SparkEffect.h"

#include "assets/PixelCoordinate.h"

#include <allegro.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr double SparkLifetime = 0.06;
constexpr int Margin = 4;        // free pixels around the end points
constexpr int Segments = 9;
constexpr int KinkSpread = 7;    // offsets rand() % 7 - 3, so -3..3
constexpr int KinkReach = 3;
// A strike spans part of the 320 x 240 field; anything longer comes from a baseline or a range
// far off the field, and gets no picture (drawing the glow costs the whole image area).
constexpr long long MaxImageSide = 512;

// One random kink of a bolt point, kept inside 0..limit.
int kinked(int base, int limit)
{
    const int offset = std::rand() % KinkSpread - KinkReach;
    return std::clamp(base + offset, 0, limit);
}

} // namespace

SparkEffect::SparkEffect(int x1, int y1, int x2, int y2)
{
    lifetime = SparkLifetime;
    // In long long so that points near the ends of the int range cannot overflow.
    const long long left = std::min<long long>(x1, x2) - Margin;
    const long long top = std::min<long long>(y1, y2) - Margin;
    const long long width = std::llabs(static_cast<long long>(x1) - x2) + 2 * Margin;
    const long long height = std::llabs(static_cast<long long>(y1) - y2) + 2 * Margin;
    x = static_cast<double>(left);
    y = static_cast<double>(top);
    if (width > MaxImageSide || height > MaxImageSide)
        return;
    image.reset(create_bitmap(static_cast<int>(width), static_cast<int>(height)));
    if (!image)
        return;
    clear_to_color(image.get(), makecol(255, 0, 255));
    const int white = makecol(255, 255, 255);
    drawBolt(static_cast<int>(x1 - left), static_cast<int>(y1 - top), static_cast<int>(x2 - left),
             static_cast<int>(y2 - top), white);
    drawGlow(white, makecol(64, 128, 255));
}

void SparkEffect::drawBolt(int startX, int startY, int endX, int endY, int white)
{
    int previousX = startX;
    int previousY = startY;
    for (int i = 1; i < Segments; ++i) {
        const int nextX = kinked(startX + (endX - startX) * i / Segments, image->w);
        const int nextY = kinked(startY + (endY - startY) * i / Segments, image->h);
        line(image.get(), previousX, previousY, nextX, nextY, white);
        previousX = nextX;
        previousY = nextY;
    }
    line(image.get(), previousX, previousY, endX, endY, white);
}

// Paints every mask pixel touching the white line, so the glow is one pixel wide all round. The
// white pixels are found in one pass and only their neighbours are looked at: the cost is one
// read per pixel of the image, not five.
void SparkEffect::drawGlow(int white, int glow)
{
    const int maskColour = makecol(255, 0, 255);
    BITMAP* bitmap = image.get();
    const bool direct = is_memory_bitmap(bitmap) && bitmap_color_depth(bitmap) == 32;
    std::vector<std::pair<int, int>> whites;
    for (int py = 0; py < bitmap->h; ++py) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(bitmap->line[py]);
        for (int px = 0; px < bitmap->w; ++px) {
            const int colour = direct ? static_cast<int>(row[px]) : getpixel(bitmap, px, py);
            if (colour == white)
                whites.emplace_back(px, py);
        }
    }
    constexpr int Neighbours[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& [px, py] : whites) {
        for (const auto& step : Neighbours) {
            const int nx = px + step[0];
            const int ny = py + step[1];
            if (nx >= 0 && ny >= 0 && nx < bitmap->w && ny < bitmap->h && getpixel(bitmap, nx, ny) == maskColour)
                putpixel(bitmap, nx, ny, glow);
        }
    }
}

void SparkEffect::draw(BITMAP* destination)
{
    if (image && destination)
        masked_blit(image.get(), destination, 0, 0, toPixel(x), toPixel(y), image->w, image->h);
}
