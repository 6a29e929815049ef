// A bitmap font cut from an image whose glyph cells are separated by lines of the colour at
// (0, 0), plus the text drawing and measuring operations and the greyscale filter.
#pragma once

#include <array>
#include <string>

struct BITMAP;

class BitmapFont {
public:
    // Loads the image with load_bitmap and cuts its glyphs; a missing image gives no glyphs.
    explicit BitmapFont(const std::string& imagePath);
    // Cuts the glyphs from an image the font then owns; used by tools and tests.
    explicit BitmapFont(BITMAP* image);
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    BITMAP* glyph(unsigned char code) const { return glyphs[code]; }
    bool hasGlyphs() const;

    BITMAP* image = nullptr;
    std::array<BITMAP*, 256> glyphs{};
    int kerning = 0;

private:
    void cutGlyphs();
};

// Glyphs that would start beyond +-TextReach pixels (only a kerning far out of range gets there)
// are not drawn.
void drawText(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text);
// The sum of glyph width + kerning over the text, in 64 bits.
long long textWidthLong(const BitmapFont* font, const char* text);
// textWidthLong held to +-TextReach, so that callers can offset positions by it without overflow.
int textWidth(const BitmapFont* font, const char* text);
constexpr int TextReach = 1 << 28;
void drawTextCentered(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text);
void drawTextRight(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text);

// printf forms, formatted in the classic locale into a 512-byte buffer, cutting longer results at 511.
void drawTextf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void drawTextCenteredf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void drawTextRightf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
int textWidthf(const BitmapFont* font, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Turns every pixel grey in place: 0.3 red + 0.59 green + 0.11 blue, truncated.
void makeGreyscale(BITMAP* bitmap);
