#include "mztool/SheetDescription.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using mztool::SheetDescription;

namespace {

// Parses text that must be rejected and returns the message.
std::string rejection(const std::string& text)
{
    SheetDescription description;
    std::string error;
    EXPECT_FALSE(description.parse(text, "art/sheet.txt", error)) << text;
    return error;
}

} // namespace

TEST(SheetDescription, FramesGridsAndAnimationsNumberInOrder)
{
    SheetDescription description;
    std::string error;
    const std::string text = "# a comment\n"
                             "\n"
                             "   # indented comment\n"
                             "frame 1 2 3 4\n"
                             "grid\t10 0 5 6 3\n"
                             "animation 12.5 0 3 3 1\r\n"
                             "animation 2 2\n";
    ASSERT_TRUE(description.parse(text, "sheet.txt", error)) << error;
    ASSERT_EQ(description.frames.size(), 4u);
    EXPECT_EQ(description.frames[0].x, 1);
    EXPECT_EQ(description.frames[0].h, 4);
    EXPECT_EQ(description.frames[1].x, 10);
    EXPECT_EQ(description.frames[2].x, 15);
    EXPECT_EQ(description.frames[3].x, 20);
    EXPECT_EQ(description.frames[3].y, 0);
    EXPECT_EQ(description.frames[3].w, 5);
    EXPECT_EQ(description.frames[3].h, 6);
    ASSERT_EQ(description.animations.size(), 2u);
    EXPECT_EQ(description.animations[0].framesPerSecond, 12.5f);
    EXPECT_EQ(description.animations[0].frameCount, 4u);
    EXPECT_EQ(description.animations[0].frameIndices, (std::vector<int>{0, 3, 3, 1}));
    EXPECT_EQ(description.animations[1].frameIndices, (std::vector<int>{2}));
}

TEST(SheetDescription, ErrorsNameTheFileAndLine)
{
    EXPECT_EQ(rejection("frame 0 0 1 1\n\nsprite 1 2\n"),
              "art/sheet.txt:3: unknown keyword 'sprite' (expected frame, grid or animation)");
    EXPECT_EQ(rejection("frame 0 0 1\n").rfind("art/sheet.txt:1: ", 0), 0u);
    EXPECT_EQ(rejection("frame 0 0 1 1\nanimation 5 0 1\n"),
              "art/sheet.txt:2: frame 1 does not exist (the sheet has 1 frames)");
}

TEST(SheetDescription, RejectsMalformedNumbers)
{
    for (const char* field : {"-1", "65536", "1.5", "x", "0x10", "3a", ""}) {
        const std::string error = rejection(std::string("frame 0 0 ") + field + " 1\n");
        EXPECT_NE(error.find("art/sheet.txt:1:"), std::string::npos) << field << ": " << error;
    }
    rejection("grid 0 0 1 1\n");
    rejection("frame 0 0 1 1 9\n");
}

TEST(SheetDescription, RatesMustBePositiveFiniteNumbers)
{
    for (const char* rate : {"0", "-2", "-0", "inf", "nan", "1e999", "fast", "2fps"}) {
        const std::string error = rejection(std::string("frame 0 0 1 1\nanimation ") + rate + " 0\n");
        EXPECT_NE(error.find("frames per second"), std::string::npos) << rate << ": " << error;
    }
    SheetDescription description;
    std::string error;
    ASSERT_TRUE(description.parse("frame 0 0 1 1\nanimation 0.25 0\nanimation 1e2 0\n", "s", error)) << error;
    EXPECT_EQ(description.animations[0].framesPerSecond, 0.25f);
    EXPECT_EQ(description.animations[1].framesPerSecond, 100.0f);
}

TEST(SheetDescription, AnimationsNeedAtLeastOneKnownFrame)
{
    rejection("frame 0 0 1 1\nanimation 10\n");
    rejection("animation 10 0\n");
    rejection("frame 0 0 1 1\nanimation 10 0 -1\n");
}

TEST(SheetDescription, TableLimitsAreEnforced)
{
    EXPECT_NE(rejection("grid 0 0 1 1 4097\n").find("more than 4096 frames"), std::string::npos);
    EXPECT_NE(rejection("grid 65000 0 100 1 20\n").find("beyond"), std::string::npos);
    std::string manyAnimations = "frame 0 0 1 1\n";
    for (int i = 0; i <= MaxSheetAnimations; ++i)
        manyAnimations += "animation 1 0\n";
    EXPECT_NE(rejection(manyAnimations).find("more than 4096 animations"), std::string::npos);
}

TEST(SheetDescription, FramesMustLieInsideTheImage)
{
    SheetDescription description;
    std::string error;
    ASSERT_TRUE(description.parse("frame 0 0 4 4\n\nframe 4 0 5 4\n", "s.txt", error));
    EXPECT_TRUE(description.fitsImage(9, 4, error));
    EXPECT_FALSE(description.fitsImage(8, 4, error));
    EXPECT_EQ(error.rfind("s.txt:3: frame 1", 0), 0u) << error;
    ASSERT_TRUE(description.parse("frame 0 0 0 4\n", "s.txt", error));
    EXPECT_FALSE(description.fitsImage(8, 4, error)) << "an empty frame is refused";
}

TEST(SheetDescription, BinaryJunkIsQuotedSafely)
{
    const std::string error = rejection(std::string("\x89PNG\x01\x02 rest\n", 11));
    EXPECT_EQ(error, "art/sheet.txt:1: unknown keyword '?PNG?\?' (expected frame, grid or animation)");
}

TEST(SheetDescription, FormatReadsBackToTheSameTables)
{
    SheetDescription original;
    original.frames = {{0, 0, 3, 4}, {65535, 7, 1, 65535}};
    original.animations = {{1.0f / 3.0f, 3, {1, 0, 1}}, {std::nextafter(10.0f, 11.0f), 1, {0}},
                           {std::numeric_limits<float>::denorm_min(), 1, {1}}};
    const std::string text = original.format("round trip");
    EXPECT_EQ(text.rfind("# round trip\n", 0), 0u);
    EXPECT_EQ(text.find("grid"), std::string::npos) << "unpack writes only frame and animation lines";

    SheetDescription copy;
    std::string error;
    ASSERT_TRUE(copy.parse(text, "copy.txt", error)) << error << "\n" << text;
    ASSERT_EQ(copy.frames.size(), 2u);
    EXPECT_EQ(copy.frames[1].x, 65535);
    EXPECT_EQ(copy.frames[1].h, 65535);
    ASSERT_EQ(copy.animations.size(), original.animations.size());
    for (std::size_t i = 0; i < copy.animations.size(); ++i) {
        EXPECT_EQ(copy.animations[i].framesPerSecond, original.animations[i].framesPerSecond) << i;
        EXPECT_EQ(copy.animations[i].frameIndices, original.animations[i].frameIndices) << i;
    }
}
