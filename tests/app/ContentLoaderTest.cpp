#include "app/ContentLoader.h"

#include "app/Application.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "support/TestContent.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// Runs the real loader from the repository root, where the shipped data set is.
class ContentLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        testcontent::install();
        app().config.clear();
        ASSERT_TRUE(app().config.load("data/strings.txt")) << "tests run from the repository root";
    }
    void TearDown() override { testcontent::install(); }

    static Application& app() { return Application::instance(); }
};

bool mentions(const std::vector<std::string>& problems, const std::string& text)
{
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

} // namespace

TEST_F(ContentLoading, ShippedDataLoadsCompletely)
{
    const std::vector<std::string> problems = app().loadContent();
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_TRUE(app().fontMain->hasGlyphs());
    for (const TowerType& type : app().towerTypes) {
        ASSERT_NE(type.spriteSheet, nullptr);
        EXPECT_FALSE(type.spriteSheet->empty());
        EXPECT_EQ(type.upgrades[0].name, "Demolish");
    }
    EXPECT_FALSE(app().invaderTypes[0].spriteSheet->empty());
    EXPECT_GT(app().towerBaseline, 0);
    EXPECT_GE(app().buttonSpacing, 20);
}

TEST_F(ContentLoading, GameOverCaptionIsItsTextWidthPlusTwoByTen)
{
    app().loadContent();
    ASSERT_NE(app().gameOverImage, nullptr);
    EXPECT_EQ(app().gameOverImage->w, textWidth(app().fontMainRed.get(), "Game Over") + 2);
    EXPECT_EQ(app().gameOverImage->h, 10);
}

TEST_F(ContentLoading, CaptionKerningsOutOfRangeAreAStartUpProblemNamingTheKey)
{
    for (const char* kerning : {"-6", "-2147483648", "2147483647", "500"}) {
        app().config.set("FontMainRedKerning", kerning);
        const std::vector<std::string> problems = app().loadContent();
        EXPECT_TRUE(mentions(problems, std::string("FontMainRedKerning=") + kerning)) << kerning;
        EXPECT_EQ(app().gameOverImage, nullptr);
    }
}

TEST_F(ContentLoading, EveryMissingFileIsNamed)
{
    char original[4096];
    ASSERT_NE(getcwd(original, sizeof original), nullptr);
    char emptyDir[] = "/tmp/squibble-empty-XXXXXX";
    ASSERT_NE(mkdtemp(emptyDir), nullptr);
    ASSERT_EQ(chdir(emptyDir), 0);
    const std::vector<std::string> problems = app().loadContent();
    ASSERT_EQ(chdir(original), 0);
    rmdir(emptyDir);
    EXPECT_TRUE(mentions(problems, "data/bg.mz"));
    EXPECT_TRUE(mentions(problems, "data/cloud5.mz"));
    EXPECT_TRUE(mentions(problems, "data/missile.sz"));
    EXPECT_TRUE(mentions(problems, app().config.get("FontSmallRed")));
    EXPECT_TRUE(mentions(problems, app().config.get("Invader1.Sprite")));
}
