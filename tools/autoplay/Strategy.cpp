#include "autoplay/Strategy.h"

#include "app/Application.h"
#include "autoplay/Gestures.h"
#include "game/World.h"
#include "towers/Building.h"

#include <algorithm>
#include <cstdlib>

namespace autoplay {

namespace {

constexpr int ButtonRightX = 300;
constexpr int ButtonTop = 220;
constexpr int ButtonSize = 19;
constexpr int FieldWidth = 320;
constexpr int FieldCentreX = 160;
// Pixels kept free between neighbouring towers, so footprints never touch.
constexpr int SlotGap = 4;
// Clicks on a tower or on the field land this far above the baseline.
constexpr int TowerClickHeight = 4;
constexpr int FieldClickHeight = 8;

} // namespace

Strategy::Strategy()
    : app(Application::instance())
{
}

int Strategy::buttonX(int index) const
{
    return ButtonRightX - index * app.buttonSpacing;
}

void Strategy::clickBuildButton(Gestures& hand, int kind) const
{
    hand.click(buttonX(kind) + ButtonSize / 2, ButtonTop + ButtonSize / 2);
}

void Strategy::clickUpgradeButton(Gestures& hand, int path) const
{
    hand.click(buttonX(path + 1) + ButtonSize / 2, ButtonTop + ButtonSize / 2);
}

void Strategy::clickTower(Gestures& hand, const Building& tower) const
{
    const int width = app.towerTypes[static_cast<std::size_t>(tower.kind)].width;
    hand.click(tower.x + width / 2, app.towerBaseline - TowerClickHeight);
}

void Strategy::cancel(Gestures& hand) const
{
    hand.click(FieldCentreX, app.towerBaseline - FieldClickHeight, RightButton);
}

void Strategy::placeOrCancel(const World& world, Gestures& hand, int wantedKind) const
{
    const std::optional<int> slot = freeSlot(world);
    if (world.placingKind == wantedKind && slot)
        hand.click(*slot, app.towerBaseline - FieldClickHeight);
    else
        cancel(hand);
}

int Strategy::slotSpacing() const
{
    int widest = 0;
    for (const TowerType& type : app.towerTypes)
        widest = std::max(widest, type.width);
    return widest + SlotGap;
}

std::vector<int> Strategy::slotCentres() const
{
    const int spacing = slotSpacing();
    std::vector<int> centres;
    for (int centre = spacing / 2; centre + spacing / 2 <= FieldWidth; centre += spacing)
        centres.push_back(centre);
    std::stable_sort(centres.begin(), centres.end(), [](int a, int b) {
        return std::abs(a - FieldCentreX) < std::abs(b - FieldCentreX);
    });
    return centres;
}

std::optional<int> Strategy::freeSlot(const World& world) const
{
    const int spacing = slotSpacing();
    for (int centre : slotCentres()) {
        const bool taken = std::any_of(world.towers.begin(), world.towers.end(), [&](const auto& tower) {
            return std::abs(tower->x + tower->firstFrameWidth() / 2 - centre) < spacing;
        });
        if (!taken)
            return centre;
    }
    return std::nullopt;
}

int Strategy::towerPrice(int kind) const
{
    return app.towerTypes[static_cast<std::size_t>(kind)].price;
}

int Strategy::pathCount(const Building& tower) const
{
    return std::max(0, app.towerTypes[static_cast<std::size_t>(tower.kind)].upgradeCount - 1);
}

std::optional<int> Strategy::nextLevelPrice(const Building& tower, int path) const
{
    const TowerType& type = app.towerTypes[static_cast<std::size_t>(tower.kind)];
    if (path < 0 || path + 1 >= static_cast<int>(type.upgrades.size()))
        return std::nullopt;
    const UpgradeType& upgrade = type.upgrades[static_cast<std::size_t>(path + 1)];
    if (static_cast<std::size_t>(path) >= tower.upgradeLevels.size())
        return std::nullopt;
    const int level = tower.upgradeLevels[static_cast<std::size_t>(path)];
    if (level >= upgrade.levelCount || level >= static_cast<int>(upgrade.levels.size()))
        return std::nullopt;
    return upgrade.levels[static_cast<std::size_t>(level)].price;
}

} // namespace autoplay
