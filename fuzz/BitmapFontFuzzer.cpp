// Fuzzes the font cutter: the input is a font image in .mz form; every glyph cut from it lies
// inside the image, and drawing and measuring every character stays bounded.
#include "FuzzInput.h"

#include "assets/BitmapFont.h"

#include <allegro.h>

#include <string>

namespace {

constexpr int CanvasSide = 48;

void checkGlyphs(const BitmapFont& font)
{
    for (int code = 0; code < 256; ++code) {
        const BITMAP* glyph = font.glyph(static_cast<unsigned char>(code));
        if (!glyph)
            continue;
        if (!font.image || glyph->w < 1 || glyph->h < 1 || glyph->w >= font.image->w || glyph->h >= font.image->h)
            fuzzinput::fail("glyph larger than the image inside its border");
    }
}

std::string everyCharacter()
{
    std::string text;
    for (int code = 1; code < 256; ++code)
        text += static_cast<char>(code);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzinput::startLibrary();
    const std::string path = fuzzinput::writeScratchFile(data, size, ".mz");
    BitmapFont font(path);
    checkGlyphs(font);
    font.kerning = size > 0 ? static_cast<int>(data[0] % 7) - 3 : 0;
    BITMAP* canvas = create_bitmap(CanvasSide, CanvasSide);
    const std::string text = everyCharacter();
    drawText(&font, canvas, 0, 0, text.c_str());
    drawTextCentered(&font, canvas, CanvasSide / 2, 8, text.c_str());
    drawTextRightf(&font, canvas, CanvasSide, 16, "%s %d", text.c_str(), textWidth(&font, text.c_str()));
    if (!font.hasGlyphs() && textWidthf(&font, "%s", text.c_str()) != 0)
        fuzzinput::fail("a font without an image measured text");
    makeGreyscale(canvas);
    destroy_bitmap(canvas);
    return 0;
}
