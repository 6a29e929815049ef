// The rows of the controls table and their plain-text form.
#include "control/ControlTable.h"

#include "towers/TowerRoles.h"

#include <allegro.h>
#include <algorithm>

namespace {

using C = Control;

} // namespace

const std::vector<Control>& ControlTable::rows()
{
    static const std::vector<Control> table = {
        {"Click a build button", "choose a tower to place, if you can afford it", {}, 0, C::None},
        {"Click the field", "while placing: build the tower there", {}, 0, C::None},
        {"Click a tower", "select it: Demolish and its upgrades show", {}, 0, C::None},
        {"Click an upgrade", "buy its next level (Demolish: half back)", {}, 0, C::None},
        {"Right click", "cancel placing or selection", {}, 0, C::None},
        {"Laser Turret", TowerRoles::Lines[0], {}, 0, C::None},
        {"Missile Turret", TowerRoles::Lines[1], {}, 0, C::None},
        {"Tesla Coil", TowerRoles::Lines[2], {}, 0, C::None},
        {"1, 2, 3", "choose the tower of build button 1, 2 or 3 from the left", {KEY_1, KEY_2, KEY_3}, C::InIdle | C::InPlacing,
         C::ChooseKind},
        {"Left / Right", "while placing: move the tower (8 with Shift)", {KEY_LEFT, KEY_RIGHT}, C::InPlacing,
         C::SteerPreview},
        {"Space or Enter", "while placing: build the tower there", {KEY_SPACE, KEY_ENTER, KEY_ENTER_PAD},
         C::InPlacing, C::Build},
        {"Left / Right", "select the next tower left or right", {KEY_LEFT, KEY_RIGHT}, C::InIdle | C::InSelected,
         C::SelectNeighbour},
        {"1 .. 9", "tower selected: buy upgrade button 1 .. 9 from the left",
         {KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9}, C::InSelected, C::BuyUpgrade},
        {"T", "tower selected: step what it aims at (missiles, coils)", {KEY_T}, C::InSelected, C::StepAim},
        {"Delete", "tower selected: demolish it", {KEY_DEL, KEY_DEL_PAD}, C::InSelected, C::Demolish},
        {"Backspace", "cancel placing or selection", {KEY_BACKSPACE}, C::InPlacing | C::InSelected, C::Cancel},
        {"Esc", "open or close the \"Quit Game?\" dialog", {KEY_ESC}, C::Always, C::QuitDialog},
        {"F2", "ask \"New Game?\": Easy, Normal or Hard throws the run away", {KEY_F2}, C::Always,
         C::NewGameDialog},
        {"Left / Right", "in \"New Game?\": choose Easy, Normal or Hard", {KEY_LEFT, KEY_RIGHT}, C::InNewGame,
         C::MoveChoice},
        {"Enter", "in \"New Game?\": start the chosen difficulty", {KEY_ENTER, KEY_ENTER_PAD}, C::InNewGame,
         C::AnswerDialog},
        {"Y / N", "in a dialog: \"Yes\" (or the chosen difficulty) or \"No\"", {KEY_Y, KEY_N},
         C::InQuitDialog | C::AfterGameOver | C::WhilePaused, C::AnswerDialog},
        {"D", "show or hide the debug overlay", {KEY_D}, C::Always, C::DebugOverlay},
        {"M", "sound off and on", {KEY_M}, C::Always, C::Mute},
        {"N", "between waves: call the next wave now, for a bonus", {KEY_N}, C::Playing, C::CallNextWave},
        {"+ / -", "volume up or down a tenth", {KEY_EQUALS, KEY_PLUS_PAD, KEY_MINUS, KEY_MINUS_PAD}, C::Always,
         C::Volume},
        {"[ / ]", "music volume down or up a tenth", {KEY_OPENBRACE, KEY_CLOSEBRACE}, C::Always, C::MusicVolume},
        {"P", "pause or resume", {KEY_P}, C::Playing | C::InQuitDialog | C::WhilePaused, C::Pause},
        {"F", "speed 1x, 2x, 4x, 8x, then 1x again", {KEY_F}, C::Always, C::SpeedStep},
        {"Tab (hold)", "run the game 8 times as fast", {}, 0, C::None},
        {"F11", "full screen or window", {KEY_F11}, C::Always, C::FullScreen},
        {"H or F1", "show or hide these controls", {KEY_H, KEY_F1}, C::Playing | C::WhilePaused, C::Help},
        {"Left / Right", "in these controls: turn the page", {KEY_LEFT, KEY_RIGHT}, C::InHelp, C::TurnHelpPage},
        {"Enter", "after \"Game Over\": a new game", {KEY_ENTER, KEY_ENTER_PAD}, C::AfterGameOver | C::WhilePaused,
         C::PlayAgain},
    };
    return table;
}

const char* ControlTable::inputOf(Control::Command command)
{
    for (const Control& control : rows())
        if (control.command == command)
            return control.input;
    return "";
}

std::vector<std::string> ControlTable::describe()
{
    std::size_t width = 0;
    for (const Control& control : rows())
        width = std::max(width, std::string(control.input).size());
    std::vector<std::string> lines;
    for (const Control& control : rows()) {
        std::string line = control.input;
        line.resize(width + 2, ' ');
        lines.push_back(line + control.does);
    }
    return lines;
}
