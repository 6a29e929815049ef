#include "towers/TowerKinds.h"

#include "towers/Building.h"
#include "towers/TowerRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Each kind's row of the table is whole and its own: a fourth kind copied from another's file
// must not bring that kind's number, keys or name along.
TEST(TowerKinds, EveryKindsRowIsWholeAndItsOwn)
{
    std::set<std::string> names;
    std::set<std::string> modifierKeys;
    for (int kind = 0; kind < TowerKinds::Count; ++kind) {
        SCOPED_TRACE(TowerKinds::nameOf(kind));
        EXPECT_TRUE(names.insert(TowerKinds::nameOf(kind)).second) << "two kinds share a name";
        EXPECT_EQ(TowerKinds::named(TowerKinds::nameOf(kind)), kind);
        const std::unique_ptr<Building> tower = TowerKinds::create(kind);
        ASSERT_TRUE(tower);
        EXPECT_EQ(tower->kind, kind);
        EXPECT_GT(TowerKinds::animationsOf(kind), 0u);
        const KindRules& rules = TowerKinds::rulesOf(kind);
        EXPECT_FALSE(rules.baseKeys.empty()) << "no period to start from";
        EXPECT_NE(rules.weapons, nullptr);
        for (const UpgradeModifier& modifier : rules.modifiers) {
            EXPECT_EQ(modifier.kind, kind) << modifier.key;
            EXPECT_TRUE(modifierKeys.insert(modifier.key).second) << modifier.key << " modifies two paths";
        }
    }
    EXPECT_EQ(TowerKinds::named("Catapult"), -1);
    EXPECT_FALSE(TowerKinds::create(TowerKinds::Count));
    EXPECT_EQ(TowerKinds::animationsOf(TowerKinds::Count), 0u);
}
