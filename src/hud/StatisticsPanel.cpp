#include "hud/StatisticsPanel.h"

#include "app/Field.h"
#include "hud/FrameView.h"
#include "hud/TextPanel.h"
#include "stats/GameStatistics.h"

namespace {

// Below "Press Enter to play again" (y 140), the two boxes either side of the centre line.
constexpr int PanelTop = 152;
constexpr int CentreX = Field::CentreX;
constexpr int HalfGap = 3;
constexpr int SecondsPerMinute = 60;

} // namespace

void StatisticsPanel::draw(BITMAP* target, const FrameView& view)
{
    if (!view.totals)
        return;
    const BitmapFont* font = view.fonts.small;
    const StatisticsTotals& totals = *view.totals;

    TextPanel money;
    money.add(font, "Invaders destroyed %d", totals.invadersDestroyed);
    money.add(font, "Invaders escaped %d", totals.invadersEscaped);
    money.add(font, "Earned by kills $%lld", totals.moneyFromKills);
    money.add(font, "Earned by early calls $%lld", totals.moneyFromEarlyCalls);
    money.add(font, "Spent on towers $%lld", totals.moneySpentOnTowers);
    money.add(font, "Spent on upgrades $%lld", totals.moneySpentOnUpgrades);
    money.add(font, "Refunded $%lld", totals.moneyRefunded);

    TextPanel towers;
    towers.add(font, "Difficulty %s", Difficulty::nameOf(view.difficulty.level));
    towers.add(font, "Towers built %d", totals.towersBuilt);
    towers.add(font, "Upgrades bought %d", totals.upgradesBought);
    towers.add(font, "Towers demolished %d", totals.towersDemolished);
    for (std::size_t kind = 0; kind < totals.damageByKind.size() && static_cast<int>(kind) < view.catalogue.count; ++kind)
        towers.add(font, "%s damage %lld", view.catalogue[static_cast<int>(kind)].name.c_str(), totals.damageByKind[kind]);
    const long long seconds = totals.timePlayed > 0.0 ? static_cast<long long>(totals.timePlayed) : 0;
    towers.add(font, "Time played %lld:%02lld", seconds / SecondsPerMinute, seconds % SecondsPerMinute);

    // Grey boxes on the greyed field.
    money.draw(target, CentreX - HalfGap - money.width(), PanelTop, true);
    towers.draw(target, CentreX + HalfGap, PanelTop, true);
}
