#include "files/PlainText.h"

#include "app/Config.h"
#include "checkpoint/CheckpointText.h"
#include "difficulty/Difficulty.h"
#include "records/BestRecord.h"
#include "records/RecordFile.h"
#include "mztool/DataChecker.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Whether this process now writes numbers with a decimal comma, as a German desktop does once a
// library calls setlocale(LC_ALL, ""): the locale is made by localedef in a temporary folder.
bool useCommaLocale(const std::string& folder)
{
    char text[8];
    std::filesystem::create_directories(folder);
    return std::system(("bash tests/support/make_comma_locale.sh " + folder).c_str()) == 0 &&
           setenv("LOCPATH", folder.c_str(), 1) == 0 && std::setlocale(LC_ALL, "xx_XX.UTF-8") &&
           std::snprintf(text, sizeof text, "%.1f", 0.5) > 0 && std::string(text) == "0,5";
}

} // namespace

TEST(PlainText, ReadsRealNumbersAsTheConfigurationAlwaysHas)
{
    const std::pair<const char*, double> leading[] = {
        {"0.016667", 0.016667}, {"  2.5s", 2.5}, {"+3", 3.0}, {"-0.25", -0.25}, {"", 0.0}, {"x1", 0.0},
        {"+-1", 0.0},           {"1e999", 0.0},
    };
    for (const auto& [text, value] : leading)
        EXPECT_EQ(PlainText::leadingReal(text), value) << text;
    EXPECT_EQ(PlainText::realNumber("0.5"), 0.5);
    for (const char* text : {"", "0,5", "1.5x", " 1", "nan", "inf"})
        EXPECT_FALSE(PlainText::realNumber(text)) << text;
}

// A German desktop: once a library calls setlocale(LC_ALL, ""), printf and strtod use a comma.
// Every number the game and its tools read and write keeps its point.
TEST(PlainText, NumbersKeepTheirPointUnderADecimalCommaLocale)
{
    const std::string folder = testing::TempDir() + "comma-locale";
    const bool comma = useCommaLocale(folder);
    std::filesystem::remove_all(folder); // the locale stays loaded
    ASSERT_TRUE(comma) << "no decimal-comma locale could be made with localedef";

    Config config;
    config.loadFromText("TimestepThreshold=0.016667\nTimeBetweenWaves=2.5\nEasy.InvaderHealthFactor=0.75\n"
                        "Easy.TimeBetweenWaves=4.5\nStartingMoney=100\nStartingHealth=20\n");
    EXPECT_DOUBLE_EQ(config.getDouble("TimestepThreshold"), 0.016667);
    EXPECT_DOUBLE_EQ(Difficulty::of(config, Difficulty::Level::Normal).timeBetweenWaves, 2.5);
    const Difficulty easy = Difficulty::of(config, Difficulty::Level::Easy);
    EXPECT_DOUBLE_EQ(easy.invaderHealthFactor, 0.75);
    EXPECT_DOUBLE_EQ(easy.timeBetweenWaves, 4.5);
    EXPECT_TRUE(Difficulty::problems(config).empty());

    Checkpoint checkpoint;
    checkpoint.health = checkpoint.maxHealth = 20;
    checkpoint.statistics.timePlayed = 0.476;
    const std::string written = CheckpointText::write(checkpoint);
    EXPECT_NE(written.find("TimePlayed=0.476\n"), std::string::npos) << written;
    const CheckpointText::Parsed read = CheckpointText::parse(written);
    ASSERT_TRUE(read.checkpoint) << read.problem;
    EXPECT_EQ(read.checkpoint->statistics.timePlayed, 0.476);

    EXPECT_EQ(PlainText::real(0.1), "0.1");
    EXPECT_EQ(mztool::DataChecker("data").run(), std::vector<std::string>{});
    std::setlocale(LC_ALL, "C");
}

// A file's name or text may hold terminal controls: every line that shows one writes them as \xNN.
TEST(PlainText, LinesNamingAFileOrQuotingItCarryNoControlBytes)
{
    EXPECT_EQ(PlainText::safeLine("at \x1b[2J, \\x1b already shown\n"), "at \\x1b[2J, \\x1b already shown\\x0a");
    const std::filesystem::path folder = testing::TempDir() + "esc\x1b[31mfolder";
    std::filesystem::create_directories(folder);
    RecordFile record(folder.string(), "data/strings.txt", GameMode::Classic, Difficulty::Level::Normal);
    std::ofstream(record.path()) << "seven\n";
    testing::internal::CaptureStderr();
    BestRecord(std::make_unique<RecordFile>(record)).gameEnded(0);
    std::ostringstream out, err;
    EXPECT_NE(mztool::checkCommand({folder.string()}, out, err), 0);
    for (const std::string& text : {testing::internal::GetCapturedStderr(), out.str() + err.str()}) {
        EXPECT_EQ(text.find('\x1b'), std::string::npos) << text;
        EXPECT_NE(text.find("esc\\x1b[31mfolder"), std::string::npos) << text;
    }
    std::filesystem::remove_all(folder);
}
