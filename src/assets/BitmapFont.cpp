#include "assets/BitmapFont.h"

#include "files/AtomicFile.h"
#include "files/ClassicLocale.h"

#include <allegro.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int FirstCode = 32;
constexpr std::size_t FormatBufferSize = 512;

struct CellRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Walks the cell layout of a font image. Every scan stops at the image edge, and each column
// remembers the last run of cell pixels found in it, so a tall cell that later rows reach
// again is not scanned twice: cutting stays linear in the image size for any layout.
class CellScanner {
public:
    explicit CellScanner(BITMAP* image)
        : image(image), separator(getpixel(image, 0, 0)),
          runTop(static_cast<std::size_t>(image->w), -1), runEnd(static_cast<std::size_t>(image->w), -1)
    {
    }

    bool isSeparator(int x, int y) const { return getpixel(image, x, y) == separator; }

    // First separator at or right of x on row y; the width when there is none.
    int rightEdge(int x, int y) const
    {
        while (x < image->w && !isSeparator(x, y))
            ++x;
        return x;
    }

    // First non-separator at or right of x on row y; the width when there is none.
    int nextInk(int x, int y) const
    {
        while (x < image->w && isSeparator(x, y))
            ++x;
        return x;
    }

    // First separator at or below y in column x; the height when there is none.
    int bottomEdge(int x, int y)
    {
        const std::size_t column = static_cast<std::size_t>(x);
        if (runTop[column] >= 0 && runTop[column] <= y && y <= runEnd[column])
            return runEnd[column];
        int end = y;
        while (end < image->h && !isSeparator(x, end))
            ++end;
        runTop[column] = y;
        runEnd[column] = end;
        return end;
    }

    // First non-separator at or below y in column 1; the height when there is none.
    int nextRow(int y) const
    {
        while (y < image->h && isSeparator(1, y))
            ++y;
        return y;
    }

private:
    BITMAP* image;
    int separator;
    std::vector<int> runTop;
    std::vector<int> runEnd;
};

// The weighted grey of a colour.
int greyOf(int r, int g, int b)
{
    return static_cast<int>(0.3 * r + 0.59 * g + 0.11 * b);
}

// The game-over screen greys the whole back buffer every frame; a 32-bit memory bitmap is read
// and written through its rows instead of a library call per pixel, with the same arithmetic.
void makeGreyscale32(BITMAP* bitmap)
{
    for (int y = 0; y < bitmap->h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bitmap->line[y]);
        for (int x = 0; x < bitmap->w; ++x) {
            const int colour = static_cast<int>(row[x]);
            const int grey = greyOf(getr32(colour), getg32(colour), getb32(colour));
            row[x] = static_cast<std::uint32_t>(makecol32(grey, grey, grey));
        }
    }
}

// The image of a regular file only: the library's loaders would wait for ever on a pipe.
BITMAP* loadRegularImage(const std::string& path)
{
    std::string error;
    const int fd = AtomicFile::openRegular(path, error);
    if (fd < 0)
        return nullptr;
    close(fd);
    return load_bitmap(path.c_str(), nullptr);
}

} // namespace

BitmapFont::BitmapFont(const std::string& imagePath)
    : image(loadRegularImage(imagePath))
{
    cutGlyphs();
}

BitmapFont::BitmapFont(BITMAP* fontImage)
    : image(fontImage)
{
    cutGlyphs();
}

BitmapFont::~BitmapFont()
{
    for (BITMAP*& glyphBitmap : glyphs)
        if (glyphBitmap)
            destroy_bitmap(glyphBitmap);
    if (image)
        destroy_bitmap(image);
}

bool BitmapFont::hasGlyphs() const
{
    return image != nullptr;
}

void BitmapFont::cutGlyphs()
{
    if (!image || image->w < 2 || image->h < 2)
        return;
    // The code counter is eight bits wide: past 255 it wraps and later cells take over the
    // codes of earlier ones. The cells are found first and the sub-bitmaps made once at the end.
    std::array<CellRect, 256> cells{};
    CellScanner scanner(image);
    unsigned char code = FirstCode;
    int top = 1;
    int left = 1;
    for (;;) {
        const int right = scanner.rightEdge(left, top);
        const int bottom = scanner.bottomEdge(left, top);
        cells[code++] = {left, top, right - left, bottom - top};

        const int nextLeft = scanner.nextInk(right, top);
        if (nextLeft < image->w) {
            left = nextLeft;
            continue;
        }
        top = scanner.nextRow(bottom);
        if (top >= image->h)
            break;
        left = 1;
    }
    for (std::size_t c = 0; c < cells.size(); ++c)
        if (cells[c].width > 0 && cells[c].height > 0)
            glyphs[c] = create_sub_bitmap(image, cells[c].left, cells[c].top, cells[c].width, cells[c].height);
}

void drawText(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text)
{
    if (!font || !destination || !text)
        return;
    long long left = x;
    for (const char* c = text; *c; ++c) {
        BITMAP* glyphBitmap = font->glyph(static_cast<unsigned char>(*c));
        if (!glyphBitmap)
            continue;
        if (left >= -TextReach && left <= TextReach)
            draw_sprite(destination, glyphBitmap, static_cast<int>(left), y);
        left += static_cast<long long>(glyphBitmap->w) + font->kerning;
    }
}

long long textWidthLong(const BitmapFont* font, const char* text)
{
    if (!font || !text)
        return 0;
    long long width = 0;
    for (const char* c = text; *c; ++c) {
        const BITMAP* glyphBitmap = font->glyph(static_cast<unsigned char>(*c));
        if (glyphBitmap)
            width += static_cast<long long>(glyphBitmap->w) + font->kerning;
    }
    return width;
}

int textWidth(const BitmapFont* font, const char* text)
{
    return static_cast<int>(std::clamp<long long>(textWidthLong(font, text), -TextReach, TextReach));
}

void drawTextCentered(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text)
{
    drawText(font, destination, x - textWidth(font, text) / 2, y, text);
}

void drawTextRight(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text)
{
    drawText(font, destination, x - textWidth(font, text), y, text);
}

namespace {

// Where a formatted text stands against its x.
enum class Anchor { Left, Centre, Right };

// A printf form's text in the classic locale, cut at FormatBufferSize - 1 characters.
struct Formatted {
    Formatted(const char* format, va_list arguments)
    {
        const ClassicLocale pointed;
        std::vsnprintf(text, sizeof text, format, arguments);
    }
    char text[FormatBufferSize];
};

void drawFormatted(const BitmapFont* font, BITMAP* destination, int x, int y, Anchor anchor, const char* format,
                   va_list arguments)
{
    if (!format)
        return;
    const Formatted formatted(format, arguments);
    if (anchor == Anchor::Centre)
        drawTextCentered(font, destination, x, y, formatted.text);
    else if (anchor == Anchor::Right)
        drawTextRight(font, destination, x, y, formatted.text);
    else
        drawText(font, destination, x, y, formatted.text);
}

} // namespace

void drawTextf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    drawFormatted(font, destination, x, y, Anchor::Left, format, arguments);
    va_end(arguments);
}

void drawTextCenteredf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    drawFormatted(font, destination, x, y, Anchor::Centre, format, arguments);
    va_end(arguments);
}

void drawTextRightf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    drawFormatted(font, destination, x, y, Anchor::Right, format, arguments);
    va_end(arguments);
}

int textWidthf(const BitmapFont* font, const char* format, ...)
{
    if (!format)
        return 0;
    va_list arguments;
    va_start(arguments, format);
    const Formatted formatted(format, arguments);
    va_end(arguments);
    return textWidth(font, formatted.text);
}

void makeGreyscale(BITMAP* bitmap)
{
    if (!bitmap)
        return;
    if (is_memory_bitmap(bitmap) && bitmap_color_depth(bitmap) == 32 && get_color_depth() == 32) {
        makeGreyscale32(bitmap);
        return;
    }
    for (int y = 0; y < bitmap->h; ++y) {
        for (int x = 0; x < bitmap->w; ++x) {
            const int colour = getpixel(bitmap, x, y);
            const int grey = greyOf(getr(colour), getg(colour), getb(colour));
            putpixel(bitmap, x, y, makecol(grey, grey, grey));
        }
    }
}
