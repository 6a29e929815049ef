#include "app/Config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

Config parse(const std::string& text)
{
    Config config;
    config.loadFromText(text);
    return config;
}

} // namespace

TEST(Config, SplitsAtEveryEqualsSignAndKeepsTheSecondField)
{
    Config config = parse("A=B=C\nD==E\nF=\n");
    EXPECT_EQ(config.get("A"), "B");
    EXPECT_EQ(config.get("D"), "");
    EXPECT_TRUE(config.contains("F"));
    EXPECT_EQ(config.get("F"), "");
}

TEST(Config, SkipsLinesWithoutEqualsAndStoresTheEmptyKey)
{
    Config config = parse("Alone\n=5\n\n");
    EXPECT_FALSE(config.contains("Alone"));
    EXPECT_EQ(config.getInt(""), 5);
    EXPECT_EQ(config.entries().size(), 1u);
}

TEST(Config, KeepsSpacesAroundTheEqualsSign)
{
    Config config = parse("A = 1\n");
    EXPECT_EQ(config.get("A "), " 1");
    EXPECT_EQ(config.getInt("A "), 1);
    EXPECT_EQ(config.getInt("A"), 0);
}

TEST(Config, CommentsOnlyAtTheFirstCharacter)
{
    Config config = parse("#A=1\n #A=2\n");
    EXPECT_FALSE(config.contains("#A"));
    EXPECT_EQ(config.get(" #A"), "2");
}

TEST(Config, LastLineWins)
{
    EXPECT_EQ(parse("A=1\nA=2\n").getInt("A"), 2);
}

TEST(Config, CarriageReturnsBeforeLineFeedsAreDropped)
{
    Config config = parse("A=1\r\nB=two\r\n");
    EXPECT_EQ(config.get("A"), "1");
    EXPECT_EQ(config.get("B"), "two");
}

TEST(Config, ReadsTheLastLineWithoutALineEnd)
{
    EXPECT_EQ(parse("A=1\nB=7").getInt("B"), 7);
}

TEST(Config, ByteOrderMarkBecomesPartOfTheFirstKey)
{
    Config config = parse("\xEF\xBB\xBF" "A=1\n");
    EXPECT_FALSE(config.contains("A"));
    EXPECT_EQ(config.get("\xEF\xBB\xBF" "A"), "1");
}

TEST(Config, ConvertsLikeTheCLibrary)
{
    Config config = parse("Px=12px\nWord=abc\nQuarter=0.25\nExp=1e-2\nSigned= -7\n");
    EXPECT_EQ(config.getInt("Px"), 12);
    EXPECT_EQ(config.getInt("Word"), 0);
    EXPECT_DOUBLE_EQ(config.getDouble("Quarter"), 0.25);
    EXPECT_DOUBLE_EQ(config.getDouble("Exp"), 0.01);
    EXPECT_EQ(config.getInt("Signed"), -7);
}

TEST(Config, MissingKeysReadEmptyAndAreAdded)
{
    Config config;
    EXPECT_EQ(config.get("Missing"), "");
    EXPECT_EQ(config.get("Missing"), "");
    EXPECT_TRUE(config.contains("Missing"));
    EXPECT_EQ(config.getInt("Other"), 0);
    EXPECT_DOUBLE_EQ(config.getDouble("Third"), 0.0);
}

TEST(Config, ComposesNumberedKeys)
{
    Config config = parse("Tower2.Upgrade1.Level3.Value=45\n");
    EXPECT_EQ(config.getIntf("Tower%d.Upgrade%d.Level%d.Value", 2, 1, 3), 45);
}

TEST(Config, LoadsAFileAndReportsAMissingOne)
{
    const std::string path = ::testing::TempDir() + "config_test.txt";
    {
        std::ofstream file(path, std::ios::binary);
        file << "Title=Squibble Siege\r\nRate=0.5";
    }
    Config config;
    ASSERT_TRUE(config.load(path));
    EXPECT_EQ(config.get("Title"), "Squibble Siege");
    EXPECT_DOUBLE_EQ(config.getDouble("Rate"), 0.5);
    std::remove(path.c_str());
    EXPECT_FALSE(Config().load(path));
}
