#include "autoplay/Strategy.h"

#include "app/Application.h"
#include "app/Field.h"
#include "autoplay/Gestures.h"
#include "control/TowerActions.h"
#include "game/BuildBar.h"
#include "game/World.h"
#include "towers/Building.h"

#include <algorithm>
#include <cstdlib>

namespace autoplay {

namespace {

constexpr int ButtonTop = BuildBar::ButtonTop;
constexpr int ButtonSize = BuildBar::ButtonSize;
constexpr int FieldWidth = Field::Width;
constexpr int FieldCentreX = Field::CentreX;
// Pixels kept free between neighbouring footprints (touching ones would overlap).
constexpr int TowerGap = 2;
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
    return BuildBar::buttonLeft(index, app.buttonSpacing);
}

void Strategy::clickBuildButton(Gestures& hand, int kind) const
{
    hand.click(buttonX(kind) + ButtonSize / 2, ButtonTop + ButtonSize / 2);
}

void Strategy::clickUpgradeButton(Gestures& hand, int path) const
{
    hand.click(buttonX(path + 1) + ButtonSize / 2, ButtonTop + ButtonSize / 2);
}

void Strategy::clickAimButton(Gestures& hand, const Building& tower) const
{
    const int index = app.towerTypes[static_cast<std::size_t>(tower.kind)].upgradeCount;
    hand.click(buttonX(index) + ButtonSize / 2, ButtonTop + ButtonSize / 2);
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
    const std::optional<int> slot = freeSpot(world, world.placingKind);
    if (world.placingKind == wantedKind && slot)
        hand.click(*slot, app.towerBaseline - FieldClickHeight);
    else
        cancel(hand);
}

bool Strategy::fits(const World& world, int kind, int centre) const
{
    const int width = app.towerTypes[static_cast<std::size_t>(kind)].width;
    const int left = centre - width / 2;
    const int right = left + width;
    if (left < 0 || right > FieldWidth)
        return false;
    // The game's own placement rule, with a gap to spare on each side.
    const TowerCatalogue catalogue{app.towerTypes.data(), static_cast<int>(app.towerTypes.size())};
    return TowerActions::fits(catalogue, world.towers, kind, centre, TowerGap);
}

int Strategy::clearance(const World& world, int centre) const
{
    int nearest = std::min(centre, FieldWidth - centre);
    for (const auto& tower : world.towers)
        nearest = std::min(nearest, std::abs(tower->x + tower->firstFrameWidth() / 2 - centre));
    return nearest;
}

std::optional<int> Strategy::freeSpot(const World& world, int kind) const
{
    if (kind < 0 || kind >= static_cast<int>(app.towerTypes.size()))
        return std::nullopt;
    std::optional<int> best;
    int bestClearance = -1;
    for (int offset = 0; offset <= FieldCentreX; ++offset) {
        for (int centre : {FieldCentreX - offset, FieldCentreX + offset}) {
            if (!fits(world, kind, centre))
                continue;
            const int room = clearance(world, centre);
            if (room > bestClearance) {
                best = centre;
                bestClearance = room;
            }
        }
    }
    return best;
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
