#include "control/KeyboardControls.h"

#include "control/TowerActions.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"

#include <allegro.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

// Test content: money 100, the laser costs 50 (rate path 20, 30, 40; launcher 60), a laser built
// centred on c stands at x = c - 8, and "TimeBetweenWaves" is 5 s.
class KeyboardControlsTest : public WorldFixture {
protected:
    void press(int scancode)
    {
        input->pressKey(scancode);
        frame(0.0);
    }
    void press(std::initializer_list<int> scancodes)
    {
        for (int scancode : scancodes)
            press(scancode);
    }
};

std::string fileText(const char* path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> tableInputs()
{
    std::set<std::string> inputs;
    for (const Control& control : KeyboardControls::table())
        inputs.insert(control.input);
    return inputs;
}

// The first cells of the rows under the README's "## Controls" heading.
std::set<std::string> readmeInputs()
{
    const std::string text = fileText("README.md");
    const auto start = text.find("## Controls");
    std::istringstream lines(text.substr(start == std::string::npos ? text.size() : start));
    std::set<std::string> inputs;
    std::string line;
    const std::regex row(R"(^\| ([^|]+?) \| .*\|$)");
    std::smatch cells;
    while (std::getline(lines, line) && (line.empty() || line[0] != '#' || line.rfind("## Controls", 0) == 0))
        if (std::regex_match(line, cells, row) && cells[1] != "Input")
            inputs.insert(cells[1]);
    return inputs;
}

// The bold tags of the manual page's CONTROLS section.
std::set<std::string> manualInputs()
{
    const std::string text = fileText("packaging/squibble-siege.6.in");
    const auto start = text.find(".SH CONTROLS");
    std::istringstream lines(text.substr(start == std::string::npos ? text.size() : start + 1));
    std::set<std::string> inputs;
    std::string line;
    while (std::getline(lines, line) && line.rfind(".SH", 0) != 0)
        if (line.rfind(".B ", 0) == 0)
            inputs.insert(std::regex_replace(line.substr(3), std::regex(R"(\\-)"), "-"));
    return inputs;
}

} // namespace

TEST_F(KeyboardControlsTest, TheKeyboardAlonePlaysTheBuildBar)
{
    input->pointAt(100, 150);
    press(KEY_1);
    ASSERT_EQ(world->mode, Placing);
    input->held.insert(KEY_LSHIFT);
    press(KEY_RIGHT);
    input->held.clear();
    press({KEY_RIGHT, KEY_LEFT, KEY_RIGHT});
    EXPECT_EQ(world->actions().previewX(), 109);
    press(KEY_SPACE);
    ASSERT_EQ(world->towers.size(), 1u);
    EXPECT_EQ(world->towers.front()->x, 101);
    EXPECT_EQ(world->money, 50);
    press({KEY_BACKSPACE, KEY_LEFT});
    ASSERT_EQ(world->mode, TowerSelected);
    press({KEY_1, KEY_1});
    EXPECT_EQ(world->money, 0) << "two levels of the rate path: 20 and 30";
    EXPECT_EQ(world->towers.front()->upgradeLevels[0], 2);
    press(KEY_DEL);
    EXPECT_TRUE(world->towers.empty());
    EXPECT_EQ(world->money, 25);
    EXPECT_EQ(world->mode, Idle);
}

TEST_F(KeyboardControlsTest, KeysActOnlyInTheirModesAndNotWhileTheGameWaits)
{
    press({KEY_DEL, KEY_BACKSPACE, KEY_SPACE});
    EXPECT_EQ(world->mode, Idle);
    press(KEY_P);
    press(KEY_2);
    EXPECT_EQ(world->mode, Idle) << "no building while paused";
    press(KEY_M);
    EXPECT_TRUE(app().sound.muted()) << "settings keys still answer";
    press({KEY_P, KEY_H});
    ASSERT_TRUE(world->keys().helpShown());
    const double timer = world->waveTimer;
    frame(1.0);
    EXPECT_EQ(world->waveTimer, timer) << "the game waits while the help shows";
    press(KEY_1);
    EXPECT_EQ(world->mode, Idle);
    press(KEY_F1);
    frame(1.0);
    EXPECT_LT(world->waveTimer, timer);
    press(KEY_ESC);
    press(KEY_1);
    EXPECT_EQ(world->mode, QuitDialog);
}

TEST_F(KeyboardControlsTest, SpeedStepsCycleAndVolumeMovesInTenths)
{
    std::vector<int> speeds;
    for (int press = 0; press < 5; ++press) {
        this->press(KEY_F);
        speeds.push_back(app().settings.inEffect().speed);
    }
    EXPECT_EQ(speeds, (std::vector<int>{2, 4, 8, 1, 2}));
    const std::pair<int, int> steps[] = {{KEY_EQUALS, 100}, {KEY_MINUS, 90}, {KEY_MINUS_PAD, 80}, {KEY_PLUS_PAD, 90}};
    for (const auto& [key, level] : steps) {
        press(key);
        EXPECT_EQ(app().sound.level(), level);
        EXPECT_EQ(app().settings.inEffect().volume, level);
    }
    EXPECT_EQ(world->keys().notice(), "Volume 90%");
    for (int press = 0; press < 12; ++press)
        this->press(KEY_MINUS);
    EXPECT_EQ(app().sound.level(), 0);
}

TEST(ControlsTable, NoKeyHasTwoRowsThatActInTheSameMode)
{
    const std::vector<Control>& table = KeyboardControls::table();
    for (std::size_t a = 0; a < table.size(); ++a)
        for (std::size_t b = a + 1; b < table.size(); ++b)
            for (int scancode : table[a].scancodes)
                for (int other : table[b].scancodes)
                    if (scancode == other) {
                        EXPECT_EQ(table[a].when & table[b].when & ~Control::WhilePaused, 0u)
                            << table[a].input << " and " << table[b].input;
                    }
}

TEST(ControlsTable, TheReadmeAndTheManualNameTheSameInputs)
{
    EXPECT_EQ(readmeInputs(), tableInputs());
    EXPECT_EQ(manualInputs(), tableInputs());
}
