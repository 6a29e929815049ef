#include "assets/BitmapFont.h"

#include "assets/MzImage.h"
#include "support/AssetFiles.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <limits>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int CellHeight = 5;

int separatorColour()
{
    return makecol(0, 255, 0);
}

// Every cell gets its own ink colour so a drawn pixel tells which glyph put it there.
int inkColour(int cellIndex)
{
    return makecol(cellIndex % 256, 128, 10 + 60 * (cellIndex / 256));
}

// A font image filled with the separator colour into which cells are painted one by one.
class FontImage {
public:
    FontImage(int width, int height)
        : bitmap(create_bitmap(width, height))
    {
        clear_to_color(bitmap, separatorColour());
    }

    FontImage& cell(int x, int y, int w, int h)
    {
        rectfill(bitmap, x, y, x + w - 1, y + h - 1, inkColour(cells++));
        return *this;
    }

    // One row of cells of the given widths at y = 1, each followed by one separator column.
    static FontImage row(const std::vector<int>& widths, int height = CellHeight)
    {
        int total = 1;
        for (int w : widths)
            total += w + 1;
        FontImage image(total, height + 2);
        int x = 1;
        for (int w : widths) {
            image.cell(x, 1, w, height);
            x += w + 1;
        }
        return image;
    }

    BITMAP* bitmap;
    int cells = 0;
};

// Codes 32..126; A (cell 33) is 4 wide, B (cell 34) 3 wide, every other glyph 2 wide.
std::unique_ptr<BitmapFont> makeAbFont(int kerning)
{
    std::vector<int> widths(95, 2);
    widths['A' - 32] = 4;
    widths['B' - 32] = 3;
    auto font = std::make_unique<BitmapFont>(FontImage::row(widths).bitmap);
    font->kerning = kerning;
    return font;
}

// All glyphs 1 pixel wide, codes 32..126, kerning 0: a text's width is its length.
std::unique_ptr<BitmapFont> makeNarrowFont()
{
    return std::make_unique<BitmapFont>(FontImage::row(std::vector<int>(95, 1)).bitmap);
}

class Canvas {
public:
    explicit Canvas(int width, int height = 10)
        : bitmap(create_bitmap(width, height))
    {
        clear_to_color(bitmap, ground());
    }
    ~Canvas() { destroy_bitmap(bitmap); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    static int ground() { return makecol(1, 1, 1); }
    int at(int x, int y = 1) const { return getpixel(bitmap, x, y); }
    bool blank() const
    {
        for (int y = 0; y < bitmap->h; ++y)
            for (int x = 0; x < bitmap->w; ++x)
                if (at(x, y) != ground())
                    return false;
        return true;
    }
    bool sameAs(const Canvas& other) const
    {
        for (int y = 0; y < bitmap->h; ++y)
            for (int x = 0; x < bitmap->w; ++x)
                if (at(x, y) != other.at(x, y))
                    return false;
        return true;
    }

    BITMAP* bitmap;
};

const int CellA = 'A' - 32;
const int CellB = 'B' - 32;

} // namespace

TEST(BitmapFont, UniformRowYieldsOneGlyphPerCellFromSpace)
{
    BitmapFont font(FontImage::row({3, 3, 3, 3, 3}, 4).bitmap);
    ASSERT_TRUE(font.hasGlyphs());
    for (int code = 0; code < 256; ++code) {
        BITMAP* glyph = font.glyph(static_cast<unsigned char>(code));
        if (code >= 32 && code < 37) {
            ASSERT_NE(glyph, nullptr) << code;
            EXPECT_EQ(glyph->w, 3);
            EXPECT_EQ(glyph->h, 4);
            EXPECT_EQ(getpixel(glyph, 0, 0), inkColour(code - 32));
        } else {
            EXPECT_EQ(glyph, nullptr) << code;
        }
    }
}

TEST(BitmapFont, CellsEndAtTheFirstSeparatorOfTheirTopRowAndLeftColumn)
{
    // Row 1: a 2 x 3 cell and a 3 x 5 cell; the row below starts under the taller, last cell.
    FontImage image(9, 12);
    image.cell(1, 1, 2, 3).cell(4, 1, 3, 5).cell(1, 8, 4, 3);
    BitmapFont font(image.bitmap);
    ASSERT_NE(font.glyph(32), nullptr);
    EXPECT_EQ(font.glyph(32)->w, 2);
    EXPECT_EQ(font.glyph(32)->h, 3);
    EXPECT_EQ(font.glyph(33)->w, 3);
    EXPECT_EQ(font.glyph(33)->h, 5);
    ASSERT_NE(font.glyph(34), nullptr);
    EXPECT_EQ(font.glyph(34)->w, 4);
    EXPECT_EQ(font.glyph(34)->h, 3);
    EXPECT_EQ(getpixel(font.glyph(34), 0, 0), inkColour(2));
    EXPECT_EQ(font.glyph(35), nullptr);
}

TEST(BitmapFont, SeveralSeparatorLinesBetweenCellsAndRows)
{
    FontImage image(12, 14);
    image.cell(1, 1, 2, 4).cell(6, 1, 2, 4).cell(1, 9, 3, 4);
    BitmapFont font(image.bitmap);
    ASSERT_NE(font.glyph(34), nullptr);
    EXPECT_EQ(font.glyph(33)->w, 2);
    EXPECT_EQ(getpixel(font.glyph(33), 0, 0), inkColour(1));
    EXPECT_EQ(getpixel(font.glyph(34), 0, 0), inkColour(2));
    EXPECT_EQ(font.glyph(35), nullptr);
}

TEST(BitmapFont, RowsMayStartInsideATallCellOfThePreviousRow)
{
    // The short last cell of each row lets the next row start one line lower, inside the
    // tall first cell: that cell is cut again from each new top down to its bottom.
    FontImage image(8, 8);
    image.cell(1, 1, 1, 6).cell(3, 1, 1, 1).cell(5, 2, 2, 1);
    BitmapFont font(image.bitmap);
    const int expected[][4] = {{1, 1, 1, 6}, {3, 1, 1, 1}, {1, 2, 1, 5}, {5, 2, 2, 1}, {1, 3, 1, 4}};
    for (int i = 0; i < 5; ++i) {
        BITMAP* glyph = font.glyph(static_cast<unsigned char>(32 + i));
        ASSERT_NE(glyph, nullptr) << i;
        EXPECT_EQ(glyph->x_ofs, expected[i][0]) << i;
        EXPECT_EQ(glyph->y_ofs, expected[i][1]) << i;
        EXPECT_EQ(glyph->w, expected[i][2]) << i;
        EXPECT_EQ(glyph->h, expected[i][3]) << i;
    }
    EXPECT_EQ(font.glyph(37), nullptr);
}

TEST(BitmapFont, CellsRunningIntoTheImageEdgeStopThere)
{
    FontImage rightEdge(8, 5);
    rightEdge.cell(1, 1, 3, 3).cell(5, 1, 3, 3);
    BitmapFont right(rightEdge.bitmap);
    ASSERT_NE(right.glyph(33), nullptr);
    EXPECT_EQ(right.glyph(33)->w, 3);
    EXPECT_EQ(right.glyph(34), nullptr);

    FontImage bottomEdge(5, 4);
    bottomEdge.cell(1, 1, 3, 3);
    BitmapFont bottom(bottomEdge.bitmap);
    ASSERT_NE(bottom.glyph(32), nullptr);
    EXPECT_EQ(bottom.glyph(32)->h, 3);
    EXPECT_EQ(bottom.glyph(33), nullptr);
}

TEST(BitmapFont, BrokenLayoutsNeitherCrashNorReadOutside)
{
    FontImage blankCorner(7, 4);
    blankCorner.cells = 1;
    blankCorner.cell(3, 1, 2, 2);
    BitmapFont skipped(blankCorner.bitmap);
    EXPECT_EQ(skipped.glyph(32), nullptr) << "a cell starting on the separator has no pixels";
    ASSERT_NE(skipped.glyph(33), nullptr);
    EXPECT_EQ(skipped.glyph(33)->w, 2);

    for (auto size : {std::pair{1, 1}, std::pair{1, 5}, std::pair{5, 1}}) {
        FontImage tiny(size.first, size.second);
        BitmapFont font(tiny.bitmap);
        EXPECT_TRUE(font.hasGlyphs());
        EXPECT_EQ(textWidth(&font, " !\"#"), 0);
    }

    FontImage allInk(6, 6);
    clear_to_color(allInk.bitmap, inkColour(9));
    putpixel(allInk.bitmap, 0, 0, separatorColour());
    BitmapFont solid(allInk.bitmap);
    ASSERT_NE(solid.glyph(32), nullptr);
    EXPECT_EQ(solid.glyph(32)->w, 5);
    EXPECT_EQ(solid.glyph(32)->h, 5);
    EXPECT_EQ(solid.glyph(33), nullptr);
}

TEST(BitmapFont, CodeCounterWrapsAfter255AndReplacesGlyphs)
{
    BitmapFont font(FontImage::row(std::vector<int>(500, 1), 1).bitmap);
    // 224 cells fill 32..255, 256 more fill 0..255 again, the last 20 fill 0..19 a third time.
    EXPECT_EQ(getpixel(font.glyph(19), 0, 0), inkColour(499));
    EXPECT_EQ(getpixel(font.glyph(20), 0, 0), inkColour(244));
    EXPECT_EQ(getpixel(font.glyph(255), 0, 0), inkColour(479));
    EXPECT_EQ(getpixel(font.glyph(32), 0, 0), inkColour(256));
}

TEST(BitmapFont, KerningIsAddedAfterEveryGlyph)
{
    auto font = makeAbFont(1);
    EXPECT_EQ(textWidth(font.get(), "AB"), 9);
    EXPECT_EQ(textWidth(font.get(), ""), 0);
    EXPECT_EQ(textWidth(font.get(), " "), 3) << "the space is the first cell";

    Canvas canvas(40);
    drawText(font.get(), canvas.bitmap, 10, 1, "AB");
    EXPECT_EQ(canvas.at(9), Canvas::ground());
    EXPECT_EQ(canvas.at(10), inkColour(CellA));
    EXPECT_EQ(canvas.at(13), inkColour(CellA));
    EXPECT_EQ(canvas.at(14), Canvas::ground());
    EXPECT_EQ(canvas.at(15), inkColour(CellB));
    EXPECT_EQ(canvas.at(17), inkColour(CellB));
    EXPECT_EQ(canvas.at(18), Canvas::ground());
    EXPECT_EQ(canvas.at(10, 0), Canvas::ground()) << "the pen is the glyph's top-left";
    EXPECT_EQ(canvas.at(10, 1 + CellHeight - 1), inkColour(CellA));
}

TEST(BitmapFont, CentredAndRightAlignedTextUseTheMeasuredWidth)
{
    auto font = makeAbFont(1);
    Canvas centred(120);
    drawTextCentered(font.get(), centred.bitmap, 100, 1, "AB");
    EXPECT_EQ(centred.at(95), Canvas::ground());
    EXPECT_EQ(centred.at(96), inkColour(CellA));

    Canvas right(60);
    drawTextRight(font.get(), right.bitmap, 50, 1, "AB");
    EXPECT_EQ(right.at(40), Canvas::ground());
    EXPECT_EQ(right.at(41), inkColour(CellA));
    EXPECT_EQ(right.at(48), inkColour(CellB));
    EXPECT_EQ(right.at(49), Canvas::ground()) << "the last kerning gap ends at x";
}

TEST(BitmapFont, NegativeKerningCanMakeTheWidthNegative)
{
    auto font = makeAbFont(-5);
    EXPECT_EQ(textWidth(font.get(), "AB"), -3);
    Canvas canvas(120);
    drawTextCentered(font.get(), canvas.bitmap, 100, 1, "AB");
    // A starts at 101 and B at 101 + 4 - 5 = 100, drawn over the front of A.
    EXPECT_EQ(canvas.at(99), Canvas::ground());
    EXPECT_EQ(canvas.at(100), inkColour(CellB));
    EXPECT_EQ(canvas.at(102), inkColour(CellB));
    EXPECT_EQ(canvas.at(103), inkColour(CellA));
    EXPECT_EQ(canvas.at(104), inkColour(CellA));
    EXPECT_EQ(canvas.at(105), Canvas::ground());
}

TEST(BitmapFont, KerningsAtTheEndsOfTheIntRangeNeitherOverflowNorDrawFarAway)
{
    for (int kerning : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        auto font = makeAbFont(kerning);
        EXPECT_EQ(textWidthLong(font.get(), "AB"), 7 + 2LL * kerning);
        EXPECT_EQ(textWidth(font.get(), "AB"), kerning > 0 ? TextReach : -TextReach);
        Canvas canvas(40);
        drawTextCentered(font.get(), canvas.bitmap, 20, 1, "AB");
        drawText(font.get(), canvas.bitmap, 10, 1, "AB");
        EXPECT_EQ(canvas.at(10), inkColour(CellA)) << "only the first glyph is near enough to draw";
        EXPECT_EQ(canvas.at(15), Canvas::ground());
    }
}

TEST(BitmapFont, CharactersWithoutGlyphsAreSkipped)
{
    auto font = makeAbFont(1);
    EXPECT_EQ(textWidth(font.get(), "A\nB\x01\xC3"), 9);
    Canvas plain(40), withGaps(40);
    drawText(font.get(), plain.bitmap, 3, 1, "AB");
    drawText(font.get(), withGaps.bitmap, 3, 1, "A\nB\xC3");
    EXPECT_TRUE(plain.sameAs(withGaps));
    EXPECT_FALSE(plain.blank());
}

TEST(BitmapFont, EmptyTextDrawsNothing)
{
    auto font = makeAbFont(1);
    Canvas canvas(20);
    drawText(font.get(), canvas.bitmap, 0, 0, "");
    drawText(font.get(), canvas.bitmap, 0, 0, nullptr);
    EXPECT_TRUE(canvas.blank());
}

TEST(BitmapFont, GlyphsAreDrawnMasked)
{
    FontImage image = FontImage::row({3});
    putpixel(image.bitmap, 2, 1, makecol(255, 0, 255));
    BitmapFont font(image.bitmap);
    Canvas canvas(10);
    drawText(&font, canvas.bitmap, 0, 0, " ");
    EXPECT_EQ(canvas.at(0, 0), inkColour(0));
    EXPECT_EQ(canvas.at(1, 0), Canvas::ground());
    EXPECT_EQ(canvas.at(2, 0), inkColour(0));
}

TEST(BitmapFont, FontWithoutImageDrawsNothingAndMeasuresZero)
{
    assetfiles::ScratchDir dir;
    registerMzLoader();
    BitmapFont missing(dir.path("absent_font.mz"));
    EXPECT_FALSE(missing.hasGlyphs());
    EXPECT_EQ(missing.glyph('A'), nullptr);
    missing.kerning = 3;
    EXPECT_EQ(textWidth(&missing, "AB"), 0);
    EXPECT_EQ(textWidthf(&missing, "%d", 12), 0);
    EXPECT_EQ(textWidth(nullptr, "AB"), 0);
    Canvas canvas(20);
    drawText(&missing, canvas.bitmap, 0, 0, "AB");
    drawTextCentered(nullptr, canvas.bitmap, 10, 0, "AB");
    drawTextRightf(nullptr, canvas.bitmap, 10, 0, "%s", "AB");
    EXPECT_TRUE(canvas.blank());
}

TEST(BitmapFont, LoadsItsImageThroughTheRegisteredMzLoader)
{
    FontImage image = FontImage::row({2, 4});
    assetfiles::ByteBuilder bytes;
    bytes.u16(static_cast<unsigned>(image.bitmap->w)).u16(static_cast<unsigned>(image.bitmap->h));
    for (int y = 0; y < image.bitmap->h; ++y)
        for (int x = 0; x < image.bitmap->w; ++x) {
            const int colour = getpixel(image.bitmap, x, y);
            bytes.rgb(getr(colour), getg(colour), getb(colour));
        }
    destroy_bitmap(image.bitmap);
    assetfiles::ScratchDir dir;
    assetfiles::writeFile(dir.path("font.mz"), bytes.bytes, true);
    registerMzLoader();
    BitmapFont font(dir.path("font.mz"));
    ASSERT_TRUE(font.hasGlyphs());
    EXPECT_EQ(textWidth(&font, " !"), 6);
    EXPECT_EQ(font.glyph('"'), nullptr);
}

TEST(BitmapFont, PrintfFormsFormatThenDraw)
{
    auto font = makeAbFont(1);
    EXPECT_EQ(textWidthf(font.get(), "$ %d", 250), textWidth(font.get(), "$ 250"));
    EXPECT_EQ(textWidthf(font.get(), "$ %d", 250), 5 * 3);

    Canvas formatted(60), direct(60);
    drawTextf(font.get(), formatted.bitmap, 2, 1, "$ %d", 250);
    drawText(font.get(), direct.bitmap, 2, 1, "$ 250");
    EXPECT_FALSE(direct.blank());
    EXPECT_TRUE(formatted.sameAs(direct));

    Canvas centredF(60), centred(60);
    drawTextCenteredf(font.get(), centredF.bitmap, 30, 1, "%s%c", "A", 'B');
    drawTextCentered(font.get(), centred.bitmap, 30, 1, "AB");
    EXPECT_TRUE(centredF.sameAs(centred));

    Canvas rightF(60), right(60);
    drawTextRightf(font.get(), rightF.bitmap, 50, 1, "Level %d - $%d", 2, 40);
    drawTextRight(font.get(), right.bitmap, 50, 1, "Level 2 - $40");
    EXPECT_TRUE(rightF.sameAs(right));
}

TEST(BitmapFont, PrintfFormsCutLongResultsAt511Characters)
{
    auto font = makeNarrowFont();
    const std::string longText(600, 'x');
    EXPECT_EQ(textWidthf(font.get(), "%s", longText.c_str()), 511);

    Canvas left(700);
    drawTextf(font.get(), left.bitmap, 0, 1, "%s", longText.c_str());
    EXPECT_EQ(left.at(510), inkColour('x' - 32));
    EXPECT_EQ(left.at(511), Canvas::ground());

    Canvas right(700);
    drawTextRightf(font.get(), right.bitmap, 600, 1, "%s", longText.c_str());
    EXPECT_EQ(right.at(88), Canvas::ground());
    EXPECT_EQ(right.at(89), inkColour('x' - 32));
    EXPECT_EQ(right.at(599), inkColour('x' - 32));

    Canvas centred(700);
    drawTextCenteredf(font.get(), centred.bitmap, 300, 1, "%s%s", longText.c_str(), longText.c_str());
    EXPECT_EQ(centred.at(44), Canvas::ground());
    EXPECT_EQ(centred.at(45), inkColour('x' - 32)) << "511 wide, centred on 300";
}

TEST(BitmapFont, MakeGreyscaleWeighsTheChannels)
{
    BITMAP* bitmap = create_bitmap(5, 2);
    putpixel(bitmap, 0, 0, makecol(255, 0, 0));
    putpixel(bitmap, 1, 0, makecol(255, 0, 255));
    putpixel(bitmap, 2, 0, makecol(0, 0, 0));
    putpixel(bitmap, 3, 0, makecol(10, 20, 30));
    putpixel(bitmap, 4, 0, makecol(0, 255, 0));
    putpixel(bitmap, 4, 1, makecol(0, 0, 255));
    makeGreyscale(bitmap);
    EXPECT_EQ(getpixel(bitmap, 0, 0), makecol(76, 76, 76));
    EXPECT_EQ(getpixel(bitmap, 1, 0), makecol(104, 104, 104));
    EXPECT_EQ(getpixel(bitmap, 2, 0), makecol(0, 0, 0));
    EXPECT_EQ(getpixel(bitmap, 3, 0), makecol(18, 18, 18));
    EXPECT_EQ(getpixel(bitmap, 4, 0), makecol(150, 150, 150));
    EXPECT_EQ(getpixel(bitmap, 4, 1), makecol(28, 28, 28));
    makeGreyscale(nullptr);
    destroy_bitmap(bitmap);
}
