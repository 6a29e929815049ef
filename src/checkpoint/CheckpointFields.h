// What the checkpoint's text and its reader share: the words and limits of its lines, and the
// one list of the statistics' keys.
#pragma once

#include "invaders/InvaderKinds.h"
#include "towers/TowerKinds.h"

#include <string>

struct CheckpointFields {
    // Where the coming block has no invader (the boss's second cell).
    static constexpr const char* NoKindWord = "-";
    // Left edges beyond this are off any field; the data set's own check is narrower.
    static constexpr long long MaxEdge = 100000;

    // Every figure of the statistics with its key, in the file's order: the one place that lists
    // them, for writing and reading alike. A new figure is one line here.
    template <typename Totals, typename Visit>
    static void eachStatistic(Totals& totals, Visit&& visit)
    {
        visit("WavesDefeated", totals.wavesDefeated);
        visit("InvadersDestroyed", totals.invadersDestroyed);
        visit("InvadersEscaped", totals.invadersEscaped);
        visit("MoneyFromKills", totals.moneyFromKills);
        visit("MoneyFromEarlyCalls", totals.moneyFromEarlyCalls);
        visit("MoneySpentOnTowers", totals.moneySpentOnTowers);
        visit("MoneySpentOnUpgrades", totals.moneySpentOnUpgrades);
        visit("MoneyRefunded", totals.moneyRefunded);
        visit("TowersBuilt", totals.towersBuilt);
        visit("UpgradesBought", totals.upgradesBought);
        visit("TowersDemolished", totals.towersDemolished);
        for (int kind = 0; kind < TowerKinds::Count; ++kind)
            visit(("DamageBy" + std::string(TowerKinds::nameOf(kind))).c_str(), totals.damageByKind[kind]);
        for (int kind = 0; kind < InvaderKinds::Count; ++kind)
            visit(("Destroyed" + std::string(InvaderKinds::nameOf(kind))).c_str(), totals.destroyedByKind[kind]);
        visit("TimePlayed", totals.timePlayed);
    }
};
