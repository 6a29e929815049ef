#include "game/BuildBar.h"

#include "app/Application.h"
#include "app/Field.h"
#include "app/MouseButton.h"
#include "assets/AnimatedSprite.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "control/ControlTable.h"
#include "control/TowerActions.h"
#include "game/World.h"
#include "hud/AimMark.h"
#include "hud/KeyDigit.h"
#include "towers/Building.h"
#include "towers/TowerKinds.h"

#include <algorithm>
#include <allegro.h>

namespace {

constexpr int IconSize = 16;
constexpr int DisabledIconRow = 16;
constexpr int CaptionRight = 317;
constexpr int CaptionLine1 = Field::StatusTop;
constexpr int CaptionLine2 = Field::StatusSecondLine;
constexpr int CancelHintLine = 230;
constexpr int LeftButton = MouseButton::Left;
constexpr int RightButton = MouseButton::Right;
enum SlotFrame { NormalSlot = 0, HoveredSlot = 1, DisabledSlot = 2, PressedSlot = 3 };

} // namespace

BuildBar::BuildBar(World& world, TowerActions& actions)
    : world(world)
    , actions(actions)
    , app(*world.app)
{
}

const TowerType& BuildBar::typeOf(int kind) const
{
    return app.towerTypes[kind];
}

int BuildBar::buttonX(int index) const
{
    return buttonLeft(index, app.buttonSpacing);
}

bool BuildBar::mouseInButton(int index) const
{
    return app.mouseInRect(buttonX(index), ButtonTop, ButtonSize, ButtonSize);
}

bool BuildBar::mouseOnTower(const Building& tower) const
{
    const int height = tower.sprite ? tower.sprite->height() : 0;
    return app.mouseInRect(tower.x, app.towerBaseline - height, typeOf(tower.kind).width, height);
}

void BuildBar::handleMouse()
{
    if ((world.mode == Idle || world.mode == TowerSelected) && app.mouseClicked(LeftButton))
        selectTowerUnderMouse();
    switch (world.mode) {
    case Idle: handleIdle(); break;
    case Placing: handlePlacing(); break;
    case TowerSelected: handleTowerSelected(); break;
    default: break;
    }
}

void BuildBar::selectTowerUnderMouse()
{
    for (const auto& tower : world.towers) {
        if (mouseOnTower(*tower)) {
            actions.select(*tower);
            return;
        }
    }
}

void BuildBar::handleIdle()
{
    if (!app.mouseClicked(LeftButton))
        return;
    // A hovered kind that cannot be chosen lets the search go on; the refusal sounds once, and
    // only when no hovered kind could be chosen.
    int refused = -1;
    for (int kind = 0; kind < TowerKinds::Count; ++kind) {
        if (!mouseInButton(kind))
            continue;
        if (actions.mayChoose(kind)) {
            actions.chooseKind(kind);
            return;
        }
        refused = kind;
    }
    if (refused >= 0)
        actions.chooseKind(refused);
}

void BuildBar::handlePlacing()
{
    if (app.mouseClicked(RightButton) || !actions.placingAffordable()) {
        actions.cancel();
        return;
    }
    if (app.mouseClicked(LeftButton))
        actions.buildAt(actions.previewX());
}

void BuildBar::handleTowerSelected()
{
    if (app.mouseClicked(RightButton)) {
        actions.cancel();
        return;
    }
    if (!app.mouseClicked(LeftButton) || !world.selectedTower)
        return;
    const int buttons = typeOf(world.selectedTower->kind).upgradeCount;
    for (int i = 0; i < buttons; ++i) {
        if (!mouseInButton(i))
            continue;
        if (i == 0) {
            actions.demolish();
            return;
        }
        actions.buyUpgrade(i - 1);
    }
    if (towerBarButtons(*world.selectedTower) > buttons && mouseInButton(buttons))
        actions.stepAim();
}

int BuildBar::towerBarButtons(const Building& tower) const
{
    return typeOf(tower.kind).upgradeCount + (tower.aimChoices().empty() ? 0 : 1);
}

int BuildBar::hoveredButton() const
{
    int buttons = 0;
    if (world.mode == Idle)
        buttons = TowerKinds::Count;
    else if (world.mode == TowerSelected && world.selectedTower)
        buttons = typeOf(world.selectedTower->kind).upgradeCount;
    for (int i = 0; i < buttons; ++i)
        if (mouseInButton(i))
            return i;
    return -1;
}

void BuildBar::draw(BITMAP* target) const
{
    if (world.gameOver)
        return;
    switch (world.mode) {
    case Idle: drawBuildButtons(target); break;
    case Placing: drawPlacementPreview(target); break;
    case TowerSelected: drawTowerBar(target); break;
    default: break;
    }
}

bool BuildBar::drawButton(BITMAP* target, int x, bool enabled, const BITMAP* icons, int iconX) const
{
    const bool hovered = app.mouseInRect(x, ButtonTop, ButtonSize, ButtonSize);
    int look = DisabledSlot;
    if (enabled)
        look = !hovered ? NormalSlot : (app.mouseButtons & LeftButton) ? PressedSlot : HoveredSlot;
    if (app.slotsImage)
        masked_blit(app.slotsImage, target, ButtonSize * look, 0, x, ButtonTop, ButtonSize, ButtonSize);
    const int shift = look == PressedSlot ? 2 : 1;
    if (icons && iconX >= 0) {
        masked_blit(const_cast<BITMAP*>(icons), target, iconX, enabled ? 0 : DisabledIconRow, x + shift,
                    ButtonTop + shift, IconSize, IconSize);
    }
    return hovered;
}

void BuildBar::drawBuildButtons(BITMAP* target) const
{
    const int captionX = CaptionRight - TowerKinds::Count * app.buttonSpacing;
    for (int kind = 0; kind < TowerKinds::Count; ++kind) {
        const TowerType& type = typeOf(kind);
        const bool affordable = type.price <= world.money;
        const bool hovered =
            drawButton(target, buttonX(kind), affordable && type.available, app.iconsImage, IconSize * kind + IconSize);
        // The keys count the buttons from the left.
        KeyDigit::draw(target, app.fontSmall.get(), buttonX(kind), ButtonTop, ButtonSize,
                       TowerActions::mirrored(kind, TowerKinds::Count) + 1);
        if (!hovered)
            continue;
        drawTextRight(app.fontMain.get(), target, captionX, CaptionLine1, type.name.c_str());
        if (!type.available)
            drawTextRight(app.fontMainRed.get(), target, captionX, CaptionLine2, "Not Available");
        else
            drawTextRightf((affordable ? app.fontMain : app.fontMainRed).get(), target, captionX, CaptionLine2, "$%d",
                           type.price);
    }
}

void BuildBar::drawPlacementPreview(BITMAP* target) const
{
    const TowerType& type = typeOf(world.placingKind);
    if (const SpriteSheet* sheet = type.spriteSheet) {
        const int centreX = actions.previewX();
        sheet->draw(target, centreX - SpriteSheet::firstFrameWidth(sheet) / 2,
                    app.towerBaseline - SpriteSheet::firstFrameHeight(sheet),
                               world.canPlaceTower(centreX) ? 0 : 1, 0.0f);
    }
    if (app.slotsImage)
        masked_blit(app.slotsImage, target, ButtonSize * HoveredSlot, 0, ButtonRightX, ButtonTop, ButtonSize, ButtonSize);
    if (app.iconsImage) {
        masked_blit(app.iconsImage, target, IconSize * world.placingKind + IconSize, 0, ButtonRightX + 1, ButtonTop + 1,
                    IconSize, IconSize);
    }
    const int captionX = CaptionRight - app.buttonSpacing;
    drawTextRightf(app.fontMain.get(), target, captionX, CaptionLine1, "Placing %s - $%d", type.name.c_str(), type.price);
    drawTextRight(app.fontSmall.get(), target, captionX, CancelHintLine, "Right click to cancel");
}

void BuildBar::drawTowerBar(BITMAP* target) const
{
    const Building* tower = world.selectedTower;
    if (!tower)
        return;
    const TowerType& type = typeOf(tower->kind);
    if (const BITMAP* selector = app.selectorImage) {
        const int centreX = tower->centreLine();
        const int centreY = app.towerBaseline - SpriteSheet::firstFrameHeight(type.spriteSheet) / 2;
        masked_blit(const_cast<BITMAP*>(selector), target, 0, 0, centreX - selector->w / 2,
                    centreY - selector->h / 2, selector->w, selector->h);
    }
    for (int i = 0; i < type.upgradeCount; ++i) {
        bool enabled = true;
        int icon = 0;
        if (i > 0) {
            const UpgradeType& path = type.upgrades[i];
            const int level = tower->upgradeLevels[i - 1];
            enabled = level < path.levelCount && world.money >= path.levels[level].price;
            // A maxed path keeps showing its last level's icon; an empty path has none.
            icon = path.levelCount > 0 ? path.levels[std::min(level, path.levelCount - 1)].icon : -1;
        }
        if (drawButton(target, buttonX(i), enabled, app.upgradeIconsImage, icon < 0 ? -1 : IconSize * icon))
            drawUpgradeCaption(target, i, enabled);
        if (i > 0)
            KeyDigit::draw(target, app.fontSmall.get(), buttonX(i), ButtonTop, ButtonSize,
                           TowerActions::mirrored(i - 1, type.upgradeCount - 1) + 1);
    }
    if (towerBarButtons(*tower) > type.upgradeCount)
        drawAimButton(target, *tower);
}

void BuildBar::drawAimButton(BITMAP* target, const Building& tower) const
{
    const int x = buttonX(typeOf(tower.kind).upgradeCount);
    const bool hovered = drawButton(target, x, true, nullptr, -1);
    AimMark::drawIcon(target, x + 1, ButtonTop + 1);
    const char* key = ControlTable::inputOf(Control::StepAim);
    KeyDigit::drawKey(target, app.fontSmall.get(), x, ButtonTop, ButtonSize, key[0]);
    if (!hovered)
        return;
    const int captionX = CaptionRight - towerBarButtons(tower) * app.buttonSpacing;
    drawTextRightf(app.fontMain.get(), target, captionX, CaptionLine1, "Aims at: %s", TargetPriority::nameOf(tower.aim));
    drawTextRightf(app.fontSmall.get(), target, captionX, CancelHintLine, "%s: the next choice", key);
}

void BuildBar::drawUpgradeCaption(BITMAP* target, int button, bool enabled) const
{
    const Building& tower = *world.selectedTower;
    const TowerType& type = typeOf(tower.kind);
    const int captionX = CaptionRight - towerBarButtons(tower) * app.buttonSpacing;
    const UpgradeType& path = type.upgrades[button];
    drawTextRight(app.fontMain.get(), target, captionX, CaptionLine1, path.name.c_str());
    if (button == 0) {
        drawTextRightf(app.fontMain.get(), target, captionX, CaptionLine2, "+$%d", type.refund());
        return;
    }
    const BitmapFont* font = (enabled ? app.fontMain : app.fontMainRed).get();
    const int level = tower.upgradeLevels[button - 1];
    const bool more = level < path.levelCount;
    if (path.levelCount < 2) {
        if (more)
            drawTextRightf(font, target, captionX, CaptionLine2, "$%d", path.levels[level].price);
        else
            drawTextRight(font, target, captionX, CaptionLine2, "Already Purchased");
    } else if (more) {
        drawTextRightf(font, target, captionX, CaptionLine2, "Level %d - $%d", level + 1, path.levels[level].price);
    } else {
        drawTextRight(font, target, captionX, CaptionLine2, "Max Upgraded");
    }
}
