#include "mztool/CommandTable.h"

#include "app/Config.h"
#include "assets/MzImage.h"
#include "assets/SpriteSheet.h"
#include "checkpoint/CheckpointFile.h"
#include "mztool/PngFile.h"
#include "support/AssetFiles.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using assetfiles::Bytes;
using assetfiles::readFile;
using assetfiles::ScratchDir;

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun mztoolRun(const mztool::Arguments& arguments)
{
    std::ostringstream out, err;
    const int status = mztool::runTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A 12 x 4 PNG with a transparent corner, and a description of three 4 x 4 frames.
class ArtFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerMzLoader();
        BITMAP* art = create_bitmap(12, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 12; ++x)
                putpixel(art, x, y, makecol(x * 20, y * 60, 90));
        putpixel(art, 0, 0, makecol(255, 0, 255));
        std::string error;
        ASSERT_TRUE(mztool::writePng(png, art, error)) << error;
        destroy_bitmap(art);
        writeText(description, "# three frames\ngrid 0 0 4 4 3\nanimation 10 0 1 2 1\nanimation 2.5 2\n");
    }

    ScratchDir dir;
    const std::string png = dir.path("art.png");
    const std::string description = dir.path("art.txt");
};

} // namespace

TEST_F(ArtFiles, PackImageWritesAGzipMzTheGameLoads)
{
    const std::string output = dir.path("art.mz");
    const ToolRun run = mztoolRun({"pack-image", png, output});
    ASSERT_EQ(run.status, 0) << run.err;
    const Bytes bytes = readFile(output);
    ASSERT_GE(bytes.size(), 10u);
    EXPECT_EQ(bytes[0], 0x1f);
    EXPECT_EQ(bytes[1], 0x8b);
    EXPECT_EQ(bytes[4] | bytes[5] | bytes[6] | bytes[7], 0) << "no time stamp in the gzip header";

    BITMAP* image = load_bitmap(output.c_str(), nullptr);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, 12);
    EXPECT_EQ(getpixel(image, 0, 0), makecol(255, 0, 255));
    EXPECT_EQ(getpixel(image, 11, 3), makecol(220, 180, 90));
    destroy_bitmap(image);
}

TEST_F(ArtFiles, PackingTwiceGivesIdenticalBytes)
{
    ASSERT_EQ(mztoolRun({"pack-image", png, dir.path("a.mz")}).status, 0);
    ASSERT_EQ(mztoolRun({"pack-image", png, dir.path("b.mz")}).status, 0);
    EXPECT_EQ(readFile(dir.path("a.mz")), readFile(dir.path("b.mz")));
    ASSERT_EQ(mztoolRun({"pack-sheet", png, description, dir.path("a.sz")}).status, 0);
    ASSERT_EQ(mztoolRun({"pack-sheet", png, description, dir.path("b.sz")}).status, 0);
    EXPECT_EQ(readFile(dir.path("a.sz")), readFile(dir.path("b.sz")));
}

TEST_F(ArtFiles, PackSheetWritesFramesAndAnimations)
{
    const std::string output = dir.path("art.sz");
    const ToolRun run = mztoolRun({"pack-sheet", png, description, output});
    ASSERT_EQ(run.status, 0) << run.err;
    SpriteSheet sheet(output);
    ASSERT_FALSE(sheet.empty());
    ASSERT_EQ(sheet.frames.size(), 3u);
    EXPECT_EQ(sheet.frameRects[2].x, 8);
    ASSERT_EQ(sheet.animationCount, 2u);
    EXPECT_EQ(sheet.animations[0].frameIndices, (std::vector<int>{0, 1, 2, 1}));
    EXPECT_EQ(sheet.animations[1].framesPerSecond, 2.5f);
    EXPECT_EQ(getpixel(sheet.getFrame(0, 0.25f), 0, 0), makecol(160, 0, 90));
}

TEST_F(ArtFiles, UnpackedFilesPackBackToTheSameBytes)
{
    ASSERT_EQ(mztoolRun({"pack-sheet", png, description, dir.path("art.sz")}).status, 0);
    ASSERT_EQ(mztoolRun({"pack-image", png, dir.path("art.mz")}).status, 0);

    const ToolRun sheetRun = mztoolRun({"unpack", dir.path("art.sz"), dir.path("sheet_out")});
    ASSERT_EQ(sheetRun.status, 0) << sheetRun.err;
    const Bytes textBytes = readFile(dir.path("sheet_out/art.txt"));
    const std::string text(textBytes.begin(), textBytes.end());
    EXPECT_NE(text.find("frame 8 0 4 4"), std::string::npos) << text;
    EXPECT_NE(text.find("animation 2.5 2"), std::string::npos) << text;
    ASSERT_EQ(mztoolRun({"pack-sheet", dir.path("sheet_out/art.png"), dir.path("sheet_out/art.txt"),
                         dir.path("again.sz")})
                  .status,
              0);
    EXPECT_EQ(readFile(dir.path("again.sz")), readFile(dir.path("art.sz")));

    ASSERT_EQ(mztoolRun({"unpack", dir.path("art.mz"), dir.path("image_out")}).status, 0);
    ASSERT_EQ(mztoolRun({"pack-image", dir.path("image_out/art.png"), dir.path("again.mz")}).status, 0);
    EXPECT_EQ(readFile(dir.path("again.mz")), readFile(dir.path("art.mz")));
}

TEST_F(ArtFiles, InfoShowsSizesFramesAndCycles)
{
    ASSERT_EQ(mztoolRun({"pack-sheet", png, description, dir.path("art.sz")}).status, 0);
    const ToolRun sheetInfo = mztoolRun({"info", dir.path("art.sz")});
    ASSERT_EQ(sheetInfo.status, 0) << sheetInfo.err;
    EXPECT_NE(sheetInfo.out.find("sheet 12 x 4, 3 frames, 2 animations"), std::string::npos) << sheetInfo.out;
    EXPECT_NE(sheetInfo.out.find("animation 0: 10 fps, 4 entries, cycle 0.4 s"), std::string::npos)
        << sheetInfo.out;
    EXPECT_NE(sheetInfo.out.find("animation 1: 2.5 fps, 1 entries, cycle 0.4 s"), std::string::npos)
        << sheetInfo.out;

    ASSERT_EQ(mztoolRun({"pack-image", png, dir.path("art.mz")}).status, 0);
    const ToolRun imageInfo = mztoolRun({"info", dir.path("art.mz")});
    EXPECT_EQ(imageInfo.status, 0);
    EXPECT_NE(imageInfo.out.find("image 12 x 4"), std::string::npos) << imageInfo.out;
}

TEST_F(ArtFiles, BadArgumentsFailWithAMessage)
{
    const ToolRun none = mztoolRun({});
    EXPECT_EQ(none.status, mztool::ExitUsage);
    EXPECT_NE(none.err.find("usage"), std::string::npos);

    const ToolRun unknown = mztoolRun({"squash", png});
    EXPECT_EQ(unknown.status, mztool::ExitUsage);
    EXPECT_NE(unknown.err.find("unknown command 'squash'"), std::string::npos);

    const ToolRun tooFew = mztoolRun({"pack-sheet", png, dir.path("x.sz")});
    EXPECT_EQ(tooFew.status, mztool::ExitUsage);
    EXPECT_NE(tooFew.err.find("pack-sheet takes 3 arguments, got 2"), std::string::npos) << tooFew.err;

    EXPECT_EQ(mztoolRun({"help"}).status, 0);
    std::ostream full(nullptr); // standard output on a full disk
    std::ostringstream err;
    EXPECT_EQ(mztool::runTool({"help"}, full, err), mztool::ExitFailure);
}

TEST_F(ArtFiles, UnreadableInputFailsWithAMessage)
{
    const ToolRun missingPng = mztoolRun({"pack-image", dir.path("absent.png"), dir.path("x.mz")});
    EXPECT_EQ(missingPng.status, mztool::ExitFailure);
    EXPECT_NE(missingPng.err.find("absent.png"), std::string::npos);

    writeText(dir.path("bad.txt"), "frame 0 0 4 4\nanimation 10 0 5\n");
    const ToolRun badSheet = mztoolRun({"pack-sheet", png, dir.path("bad.txt"), dir.path("x.sz")});
    EXPECT_EQ(badSheet.status, mztool::ExitFailure);
    EXPECT_NE(badSheet.err.find("bad.txt:2:"), std::string::npos) << badSheet.err;

    writeText(dir.path("outside.txt"), "frame 10 0 4 4\n");
    const ToolRun outside = mztoolRun({"pack-sheet", png, dir.path("outside.txt"), dir.path("x.sz")});
    EXPECT_EQ(outside.status, mztool::ExitFailure);
    EXPECT_NE(outside.err.find("outside.txt:1: frame 0"), std::string::npos) << outside.err;

    assetfiles::writeFile(dir.path("short.sz"), {0x02, 0x00, 0x02, 0x00, 0x01}, true);
    for (const char* command : {"info", "unpack"}) {
        mztool::Arguments arguments{command, dir.path("short.sz")};
        if (std::string(command) == "unpack")
            arguments.push_back(dir.path("out"));
        const ToolRun broken = mztoolRun(arguments);
        EXPECT_EQ(broken.status, mztool::ExitFailure) << command;
        EXPECT_NE(broken.err.find("short.sz"), std::string::npos) << broken.err;
    }
    const ToolRun wrongKind = mztoolRun({"info", png});
    EXPECT_EQ(wrongKind.status, mztool::ExitFailure);
    const ToolRun missing = mztoolRun({"info", dir.path("absent.mz")});
    EXPECT_EQ(missing.status, mztool::ExitFailure);
    EXPECT_NE(missing.err.find("cannot open"), std::string::npos);
    EXPECT_FALSE(std::ifstream(dir.path("x.sz")).good()) << "nothing is written after a failure";
}

// Run from the source root, save-info also restores the checkpoint with the shipped data set.
TEST_F(ArtFiles, SaveInfoDescribesACheckpointOrSaysWhyItIsRefused)
{
    const std::string head = "squibble-siege checkpoint 1\nWave=6\nHealth=9\nStartingHealth=20\nMoney=77\n";
    const std::pair<std::string, const char*> cases[] = {
        {head + "Tower=LaserTurret 40 2 1\nTimePlayed=301.5\n",
         "wave 6, health 9 of 20, money 77\n1 tower\n  LaserTurret at 40, upgrade levels 2 1\n"},
        {head + "TimePlayed=301.5\n", "time played 301.5 s\nresumes with the data set here\n"},
        {head + "Tower=LaserTurret 40 0 0\nTower=TeslaCoil 45 0\n", "refused by the data set here: tower 2: overlaps"},
        {head + "Tower=LaserTur", "refused: line 6: unknown tower kind 'LaserTur'"},
        {head, "Normal, wave 6, health 9 of 20"},
        {"squibble-siege checkpoint 1\nWave=6\nHealth=5\nStartingHealth=8\nMoney=77\nDifficulty=Hard\n",
         "Hard, wave 6, health 5 of 8, money 77\n"},
        {head + "Difficulty=Hard\n", "refused by the data set here: starting health 20 is not this data set's 8 on Hard"},
    };
    const std::string name = CheckpointFile::nameFor(Config::GamePath);
    for (const auto& [text, expected] : cases) {
        writeText(dir.path(name), text);
        const ToolRun run = mztoolRun({"save-info", dir.path(name)});
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << " in:\n" << run.out;
        EXPECT_EQ(run.status, std::string(expected).find("refused") == std::string::npos ? 0 : 1) << run.out;
    }
    // A checkpoint the game here plays, under a name it never reads (another data set's checksum).
    writeText(dir.path("checkpoint-00000000.txt"), head);
    const ToolRun misnamed = mztoolRun({"save-info", dir.path("checkpoint-00000000.txt")});
    EXPECT_NE(misnamed.out.find("never picks it up: it reads " + name), std::string::npos) << misnamed.out;
    EXPECT_EQ(misnamed.out.find("resumes"), std::string::npos) << misnamed.out;
    EXPECT_EQ(misnamed.status, 1);
}
