#include "game/WorldRenderer.h"

#include "app/Application.h"
#include "app/Field.h"
#include "assets/BitmapFont.h"
#include "assets/Palette.h"
#include "control/DialogControls.h"
#include "control/KeyboardControls.h"
#include "control/TowerActions.h"
#include "effects/Effect.h"
#include "game/BuildBar.h"
#include "game/WaveThreat.h"
#include "game/World.h"
#include "game/WorldView.h"
#include "hud/AimDebug.h"
#include "hud/AimMark.h"
#include "hud/CaptionBox.h"
#include "hud/ControlsOverlay.h"
#include "hud/GroundMarker.h"
#include "hud/MuteMark.h"
#include "hud/RangeRing.h"
#include "hud/StatisticsPanel.h"
#include "invaders/Wave.h"
#include "projectiles/Projectile.h"
#include "towers/Building.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int StatusTop = Field::StatusTop;
constexpr int MoneyTop = Field::StatusSecondLine;
constexpr int BarFrameSourceY = 10;
constexpr int BarFrameWidth = 53;
constexpr int BarFrameHeight = 10;
constexpr int BarFrameX = 11;
constexpr int BarFillX = 12;
constexpr int BarFillY = Field::StatusInner;
constexpr int BarFillWidth = 50;
constexpr int BarFillHeight = 7;
constexpr int HealthTextX = 36;
// The health lost in a landing stands just right of the bar.
constexpr int LossTextX = BarFrameX + BarFrameWidth + 2;
constexpr int GameOverTop = 50;
constexpr int WavesDefeatedTop = 74;
constexpr int BestTop = 82;
// Half the gap between "Best: %d" and "New best!" when both show on the record's line.
constexpr int BestGap = 4;
// Below the quit dialog's "No", so the dialog and the offer to play again never overlap.
constexpr int PlayAgainTop = 140;
constexpr int PausedTop = 60;
constexpr int ResumedHintTop = 70;
constexpr int DialogCentreX = Field::CentreX;
constexpr int DialogTitleTop = DialogControls::TitleTop;
// The field above the status row (its rows from 0 to Field::Bottom), dimmed in the pause; the
// build bar right of the status, greyed.
constexpr int FieldRows = Field::Bottom + 1;
constexpr int BarLeft = 80;
constexpr int MainLine = Field::TextLine;
constexpr int SmallLine = Field::SmallTextLine;
// The health bar flashes this many times a second while the block is a step from the ground.
constexpr int WarningFlashes = 4;

constexpr const char* PlayAgain = "Press Enter to play again";
constexpr const char* PauseHint = "P to play";
constexpr const char* ResumeHint = "P to play, F2 for a new game";

// Masked copy of a whole image; nothing when the image is missing.
void drawMasked(const BITMAP* image, BITMAP* target, int x, int y)
{
    if (image)
        masked_blit(const_cast<BITMAP*>(image), target, 0, 0, x, y, image->w, image->h);
}

// Pixels of the bar's fill: health x 50 / maxHealth, worked out wide enough that a huge starting
// health cannot overflow; a scale of 0 (no starting health) leaves the bar empty.
int healthBarWidth(int health, int maxHealth)
{
    if (maxHealth <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(health) * BarFillWidth / maxHealth);
}

} // namespace

WorldRenderer::WorldRenderer(const World& world)
    : world(world)
{
}

FrameView WorldRenderer::view() const { return WorldView::of(world, kinds); }

bool WorldRenderer::warningFlashLit(double now) { return static_cast<long long>(now * 2 * WarningFlashes) % 2 == 0; }

void WorldRenderer::followHints()
{
    FrameView seen = view();
    hints.follow(seen, world.app->settings.firstLaunch());
}

void WorldRenderer::draw(BITMAP* target)
{
    frame = view();
    hints.show(frame, world.app->settings.firstLaunch());
    drawField(target);
    if (!world.gameOver) {
        RangeRing::draw(target, frame, figures.subject(frame));
        GroundMarker::draw(target, frame);
        drawStatus(target);
        // The controls shown over the field take the whole sky.
        if (!frame.helpShown) {
            wave.draw(target, frame);
            figures.draw(target, frame);
        }
    } else {
        drawGameOver(target);
        StatisticsPanel::draw(target, frame);
    }
}

void WorldRenderer::drawControls(BITMAP* target) const
{
    ControlsOverlay::draw(target, frame);
}

void WorldRenderer::drawOverlays(BITMAP* target) const
{
    // The help hides what it covers, the pause's captions too.
    if (world.paused && !frame.helpShown)
        drawPaused(target);
    if (world.mode == QuitDialog)
        drawDialog(target, "Quit Game?");
    else if (world.mode == NewGameDialog)
        drawDialog(target, "New Game?");
    if (world.showDebug) {
        drawDebugOverlay(target);
        AimDebug::draw(target, world.projectiles, world.currentWave ? &world.currentWave->invaders : nullptr);
    }
}

void WorldRenderer::drawField(BITMAP* target) const
{
    const Application& app = *world.app;
    clear_bitmap(target);
    if (app.backgroundImage)
        blit(app.backgroundImage, target, 0, 0, 0, 0, target->w, target->h);
    for (const Cloud& cloud : world.clouds)
        drawMasked(app.cloudImages[cloud.imageIndex], target, static_cast<int>(cloud.x), static_cast<int>(cloud.y));
    for (const auto& projectile : world.projectiles)
        projectile->draw(target);
    for (const auto& tower : world.towers)
        tower->draw(target);
    AimMark::drawOnField(target, world.towers, app.fontSmall.get(), app.towerBaseline);
    if (world.currentWave)
        world.currentWave->draw(target);
    for (const auto& effect : world.effects)
        effect->draw(target);
}

void WorldRenderer::drawStatus(BITMAP* target) const
{
    const Application& app = *world.app;
    drawText(app.fontMain.get(), target, 2, StatusTop, "#");
    if (app.redBarImage) {
        masked_blit(app.redBarImage, target, 0, BarFrameSourceY, BarFrameX, StatusTop, BarFrameWidth, BarFrameHeight);
        const int fill = healthBarWidth(world.health, world.maxHealth);
        if (fill > 0)
            masked_blit(app.redBarImage, target, 1, 1, BarFillX, BarFillY, fill, BarFillHeight);
    }
    if (frame.groundWarning && warningFlashLit(app.now()))
        rect(target, BarFrameX - 1, StatusTop - 1, BarFrameX + BarFrameWidth, StatusTop + BarFrameHeight,
             Palette::colour(Palette::Yellow));
    drawTextCenteredf(app.fontSmall.get(), target, HealthTextX, BarFillY, "%d", world.health);
    if (frame.healthLost > 0)
        drawTextf(app.fontSmallRed.get(), target, LossTextX, BarFillY, "-%d", frame.healthLost);
    drawTextf(app.fontMain.get(), target, 2, MoneyTop, "$ %d", world.money);
    if (app.sound.muted())
        MuteMark::draw(target);
}

void WorldRenderer::drawGameOver(BITMAP* target) const
{
    const Application& app = *world.app;
    makeGreyscale(target);
    if (const BITMAP* caption = app.gameOverImage) {
        masked_stretch_blit(const_cast<BITMAP*>(caption), target, 0, 0, caption->w, caption->h,
                            DialogCentreX - caption->w, GameOverTop, 2 * caption->w, 2 * caption->h);
    }
    const BestRecord& record = world.bestRecord;
    const BitmapFont* red = app.fontSmallRed.get();
    int half = textWidthf(red, "Waves Defeated: %d", world.waveNumber - 1) / 2;
    if (record.newBest())
        half = std::max(half, BestGap + std::max(textWidthf(red, "Best: %d", record.best()),
                                                 textWidth(app.fontSmall.get(), "New best!")));
    else
        half = std::max(half, textWidthf(red, "Best: %d", record.best()) / 2);
    CaptionBox::centred(target, DialogCentreX, WavesDefeatedTop, 2 * half, BestTop - WavesDefeatedTop + SmallLine, true);
    CaptionBox::centred(target, DialogCentreX, PlayAgainTop, textWidth(app.fontSmall.get(), PlayAgain), SmallLine, true);
    drawTextCenteredf(red, target, DialogCentreX, WavesDefeatedTop, "Waves Defeated: %d", world.waveNumber - 1);
    if (record.newBest()) {
        drawTextRightf(app.fontSmallRed.get(), target, DialogCentreX - BestGap, BestTop, "Best: %d", record.best());
        drawText(app.fontSmall.get(), target, DialogCentreX + BestGap, BestTop, "New best!");
    } else {
        drawTextCenteredf(app.fontSmallRed.get(), target, DialogCentreX, BestTop, "Best: %d", record.best());
    }
    drawTextCentered(app.fontSmall.get(), target, DialogCentreX, PlayAgainTop, PlayAgain);
}

void WorldRenderer::drawPaused(BITMAP* target) const
{
    const Application& app = *world.app;
    CaptionBox::dim(target, 0, 0, target->w, FieldRows);
    CaptionBox::grey(target, BarLeft, Field::StatusTop, target->w - BarLeft, target->h - Field::StatusTop);
    char title[48];
    if (world.resumed)
        std::snprintf(title, sizeof title, "Resumed at the start of wave %d", world.waveNumber);
    else
        std::snprintf(title, sizeof title, "Paused");
    const char* hint = world.resumed ? ResumeHint : PauseHint;
    const int width = std::max(textWidth(app.fontMain.get(), title), textWidth(app.fontSmall.get(), hint));
    CaptionBox::centred(target, DialogCentreX, PausedTop, width, ResumedHintTop - PausedTop + SmallLine);
    drawTextCentered(app.fontMain.get(), target, DialogCentreX, PausedTop, title);
    drawTextCentered((frame.pauseHintLit ? app.fontSmallRed : app.fontSmall).get(), target, DialogCentreX,
                     ResumedHintTop, hint);
}

void WorldRenderer::drawDialog(BITMAP* target, const char* title) const
{
    const Application& app = *world.app;
    const std::vector<DialogButton>& buttons = DialogControls::buttonsOf(static_cast<WorldMode>(world.mode));
    int left = DialogCentreX;
    int right = DialogCentreX;
    int bottom = DialogTitleTop;
    for (const DialogButton& button : buttons) {
        left = std::min(left, button.x);
        right = std::max(right, button.x + button.width);
        bottom = std::max(bottom, button.y + MainLine);
    }
    const int width = std::max(textWidth(app.fontSmall.get(), title), 2 * std::max(DialogCentreX - left, right - DialogCentreX));
    CaptionBox::centred(target, DialogCentreX, DialogTitleTop, width, bottom - DialogTitleTop, world.gameOver);
    drawTextCentered(app.fontSmall.get(), target, DialogCentreX, DialogTitleTop, title);
    const DialogControls& dialog = world.dialogs();
    for (const DialogButton& button : buttons) {
        // A difficulty or a mode is lit while chosen, "Yes" and "No" while the pointer is on them.
        const bool lit = button.answer == DialogButton::Start      ? button.level == dialog.focused()
                         : button.answer == DialogButton::PickMode ? button.mode == dialog.chosenMode()
                                                                   : app.mouseInRect(button.x, button.y, button.width, button.height);
        const bool played = button.answer == DialogButton::Start      ? button.level == dialog.current()
                            : button.answer == DialogButton::PickMode ? button.mode == dialog.currentMode()
                                                                      : false;
        if (played)
            rect(target, button.x, button.y - 1, button.x + button.width, button.y + button.height,
                 Palette::colour(Palette::Lilac));
        drawTextCentered((lit ? app.fontMainRed : app.fontMain).get(), target, button.centreX(), button.y,
                         button.caption);
    }
}

void WorldRenderer::drawDebugOverlay(BITMAP* target) const
{
    const Application& app = *world.app;
    drawTextf(app.fontSmall.get(), target, 2, 2, "Time: %.01f", app.lastFrameTime.load());
    drawTextf(app.fontSmall.get(), target, 2, 10, "Projectiles: %d", static_cast<int>(world.projectiles.size()));
    drawTextf(app.fontSmall.get(), target, 2, 18, "Effects: %d", static_cast<int>(world.effects.size()));
}
