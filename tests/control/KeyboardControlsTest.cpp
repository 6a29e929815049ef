#include "control/KeyboardControls.h"

#include "control/ControlTable.h"
#include "control/TowerActions.h"
#include "support/TestSound.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"

#include <allegro.h>

#include <fstream>
#include <set>

namespace {

// Test content: money 100, the laser costs 50 (rate path 20, 30, 40), a laser built centred on c
// stands at x = c - 8, and "TimeBetweenWaves" is 5 s.
class KeyboardControlsTest : public WorldFixture {
protected:
    void press(std::initializer_list<int> scancodes)
    {
        for (int scancode : scancodes) {
            input->pressKey(scancode);
            frame(0.0);
        }
    }
};

// The inputs a document names, from its heading up to the next: the text between prefix and end
// on each line that starts with prefix (the README's first cells, the manual page's bold tags).
std::set<std::string> namedInputs(const char* path, const char* heading, const char* next, const std::string& prefix,
                                  const char* end)
{
    std::ifstream in(path);
    std::set<std::string> inputs;
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (inside && line.rfind(next, 0) == 0)
            break;
        inside = inside || line.rfind(heading, 0) == 0;
        if (!inside || line.rfind(prefix, 0) != 0 || line.find(" | Action |") != std::string::npos)
            continue;
        std::string input = line.substr(prefix.size(), line.find(end, prefix.size()) - prefix.size());
        for (auto dash = input.find("\\-"); dash != std::string::npos; dash = input.find("\\-"))
            input.erase(dash, 1);
        inputs.insert(input);
    }
    return inputs;
}

} // namespace

TEST_F(KeyboardControlsTest, TheKeyboardAlonePlaysTheBuildBar)
{
    input->pointAt(100, 150);
    press({KEY_3}); // the laser's button is the third from the left
    ASSERT_EQ(world->mode, Placing);
    input->held.insert(KEY_LSHIFT);
    press({KEY_RIGHT});
    input->held.clear();
    press({KEY_RIGHT, KEY_LEFT, KEY_RIGHT, KEY_SPACE});
    ASSERT_EQ(world->towers.size(), 1u);
    EXPECT_EQ(world->towers.front()->x, 101);
    EXPECT_EQ(world->money, 50);
    press({KEY_BACKSPACE, KEY_LEFT, KEY_2, KEY_2}); // the rate path's button is second from the left
    EXPECT_EQ(world->money, 0) << "two levels of the rate path: 20 and 30";
    press({KEY_DEL});
    EXPECT_TRUE(world->towers.empty());
    EXPECT_EQ(world->money, 25);
    EXPECT_EQ(world->mode, Idle);
    world->money = 1000;
    press({KEY_3, KEY_LEFT, KEY_2});
    EXPECT_EQ(world->actions().previewX(), 99) << "another kind stays where the keys put the last";
    ++app().screensOpened; // F11: the picture moves under a still pointer
    input->pointAt(70, 150);
    frame(0.0);
    EXPECT_EQ(world->actions().previewX(), 99) << "a new screen is no move of the mouse";
    input->pointAt(60, 150);
    frame(0.0);
    EXPECT_EQ(world->actions().previewX(), 60) << "the mouse takes the preview back when it moves";
}

TEST_F(KeyboardControlsTest, KeysActOnlyInTheirModesAndNotWhileTheGameWaits)
{
    press({KEY_DEL, KEY_BACKSPACE, KEY_SPACE, KEY_P, KEY_2});
    EXPECT_EQ(world->mode, Idle) << "no building while paused";
    press({KEY_M, KEY_P, KEY_H});
    EXPECT_TRUE(app().sound.muted()) << "settings keys answer while paused";
    ASSERT_TRUE(world->keys().helpShown());
    const double timer = world->waveTimer;
    frame(1.0);
    EXPECT_EQ(world->waveTimer, timer) << "the game waits while the help shows";
    press({KEY_1, KEY_F1});
    EXPECT_EQ(world->mode, Idle);
    frame(1.0);
    EXPECT_LT(world->waveTimer, timer);
    press({KEY_H, KEY_ESC}); // a dialog puts the help away
    EXPECT_TRUE(!world->keys().helpShown() && world->mode == QuitDialog);
    world->endGame();
    const bool help = world->keys().helpShown();
    press({KEY_H});
    EXPECT_EQ(world->keys().helpShown(), help) << "H does nothing after game over";
}

TEST_F(KeyboardControlsTest, SpeedStepsCycleAndBothVolumesMoveInTenths)
{
    std::vector<int> speeds;
    for (int times = 0; times < 5; ++times) {
        press({KEY_F});
        speeds.push_back(world->speedStep);
    }
    EXPECT_EQ(speeds, (std::vector<int>{2, 4, 8, 1, 2}));
    const std::pair<int, int> steps[] = {{KEY_EQUALS, 100}, {KEY_MINUS, 90}, {KEY_MINUS_PAD, 80}, {KEY_PLUS_PAD, 90}};
    for (const auto& [key, level] : steps) {
        press({key});
        EXPECT_EQ(app().sound.level(), level);
        EXPECT_EQ(app().settings.inEffect().volume, level);
    }
    EXPECT_EQ(world->keys().notice(), "No sound device") << "no volume shown that nothing plays";
    press({KEY_M});
    EXPECT_EQ(world->keys().notice(), "No sound device");
    press({KEY_M});
    testsound::install();
    press({KEY_MINUS});
    EXPECT_EQ(world->keys().notice(), "Volume 80%");
    app().settings.set(PlayerSettings::Entry::MusicVolume, 95); // as a hand-edited file may hold
    const std::pair<int, int> musicSteps[] = {
        {KEY_OPENBRACE, 90}, {KEY_CLOSEBRACE, 100}, {KEY_CLOSEBRACE, 100}, {KEY_OPENBRACE, 90}};
    for (const auto& [key, level] : musicSteps) {
        press({key});
        EXPECT_EQ(app().music.level(), level);
        EXPECT_EQ(app().settings.inEffect().musicVolume, level);
    }
    EXPECT_EQ(app().settings.inEffect().volume, 80) << "the effects keep their volume";
    EXPECT_EQ(world->keys().notice(), "No music") << "no music output (--no-music), but the level is kept";
    struct Stream : MusicOutput {
        int rate() const override { return 8000; }
        int wanted() override { return 0; }
        void write(const std::int16_t*, int) override {}
    };
    app().music.setOutput(std::make_unique<Stream>());
    press({KEY_OPENBRACE});
    EXPECT_EQ(world->keys().notice(), "Music 80%");
    app().music.setOutput(nullptr);
}

TEST(ControlsTable, NoKeyHasTwoRowsThatActInTheSameMode)
{
    const std::vector<Control>& table = ControlTable::rows();
    for (std::size_t a = 0; a < table.size(); ++a)
        for (std::size_t b = a + 1; b < table.size(); ++b)
            for (int scancode : table[a].scancodes) {
                const bool shared = std::count(table[b].scancodes.begin(), table[b].scancodes.end(), scancode) > 0;
                EXPECT_FALSE(shared && (table[a].when & table[b].when & ~Control::WhilePaused) != 0)
                    << table[a].input << " and " << table[b].input;
            }
}

TEST(ControlsTable, TheReadmeAndTheManualNameTheSameInputs)
{
    std::set<std::string> inputs;
    for (const Control& control : ControlTable::rows())
        inputs.insert(control.input);
    EXPECT_EQ(namedInputs("README.md", "## Controls", "#", "| ", " | "), inputs);
    EXPECT_EQ(namedInputs("packaging/squibble-siege.6.in", ".SH CONTROLS", ".SH", ".B ", "\n"), inputs);
}

TEST_F(KeyboardControlsTest, YAndNAnswerTheOpenDialog)
{
    using Case = std::pair<std::vector<int>, bool>; // the keys, and whether the game still runs
    const Case cases[] = {{{KEY_ESC, KEY_N}, true}, {{KEY_F2, KEY_Y}, true}, {{KEY_ESC, KEY_Y}, false}};
    for (const auto& [keys, running] : cases) {
        world->money = 1;
        std::for_each(keys.begin(), keys.end(), [this](int key) { press({key}); });
        EXPECT_TRUE((world->mode == Idle) == running && world->running == running) << keys[0];
        EXPECT_EQ(world->money, keys[0] == KEY_F2 ? 100 : 1) << "only F2 and Y start over";
    }
}

TEST_F(KeyboardControlsTest, LeftAndRightTurnTheHelpsPagesAndMoveNothingElse)
{
    input->pointAt(100, 150);
    press({KEY_3, KEY_SPACE, KEY_BACKSPACE, KEY_H});
    ASSERT_TRUE(world->keys().helpShown());
    const int money = world->money;
    press({KEY_RIGHT, KEY_RIGHT, KEY_LEFT});
    EXPECT_EQ(world->keys().helpPage(), 1);
    EXPECT_TRUE(world->mode == Idle && world->money == money) << "no tower selected or built under the help";
    press({KEY_H, KEY_RIGHT});
    EXPECT_EQ(world->mode, TowerSelected) << "with the help closed Right selects again";
    press({KEY_H});
    EXPECT_EQ(world->keys().helpPage(), 0) << "the help opens at its first page";
}

// Enter after game over: a press taken before "Game Over" has shown, one still waiting when it
// shows and the repeats of one held since then are all for the game that ended.
TEST_F(KeyboardControlsTest, EnterStartsANewGameOnlyWhenPressedAfterTheGameOverScreenShowed)
{
    world->health = 0;
    frame(0.0);
    ASSERT_TRUE(world->gameOver);
    press({KEY_ENTER});
    EXPECT_TRUE(world->gameOver) << "taken before the screen showed";
    input->pressKey(KEY_ENTER);
    input->held.insert(KEY_ENTER);
    world->showFrame();
    press({KEY_ENTER_PAD});
    EXPECT_TRUE(world->gameOver) << "waiting when the screen showed, or repeated while held since";
    input->held.clear();
    frame(0.0);
    press({KEY_ENTER});
    EXPECT_FALSE(world->gameOver) << "a new press after the screen showed";
}

// T and the bar's aim button (left of the upgrade buttons) step the selected tower's aim alike, free.
TEST_F(KeyboardControlsTest, TAndTheAimButtonStepWhatTheSelectedTowerAimsAt)
{
    world->money = 1000;
    input->pointAt(100, 150);
    press({KEY_2, KEY_SPACE, KEY_BACKSPACE, KEY_RIGHT, KEY_T});
    Building& missile = *world->selectedTower;
    EXPECT_EQ(missile.aim, TargetPriority::First);
    clickAt(300 - 20 * app().towerTypes[1].upgradeCount + 9, 229); // left of "Demolish" and the paths
    EXPECT_TRUE(missile.aim == TargetPriority::Strongest && world->money == 1000 - app().towerTypes[1].price);
}
