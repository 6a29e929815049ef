#include "towers/TowerRules.h"

#include "app/Application.h"
#include "towers/TowerKinds.h"

const std::vector<UpgradeModifier>& TowerRules::modifiers()
{
    static const std::vector<UpgradeModifier> table = [] {
        std::vector<UpgradeModifier> all;
        for (int kind = 0; kind < TowerKinds::Count; ++kind) {
            const std::vector<UpgradeModifier>& own = TowerKinds::rulesOf(kind).modifiers;
            all.insert(all.end(), own.begin(), own.end());
        }
        return all;
    }();
    return table;
}

const std::vector<BaseKey>& TowerRules::baseKeysOf(int kind)
{
    static const std::vector<BaseKey> none;
    return TowerKinds::exists(kind) ? TowerKinds::rulesOf(kind).baseKeys : none;
}

float TowerRules::shortened(Config& config, const char* periodKey, const char* modifierKey, int times)
{
    float period = static_cast<float>(config.getDouble(periodKey));
    for (int i = 0; i < times; ++i)
        period += static_cast<float>(config.getDouble(modifierKey));
    return period;
}

TowerWeapons TowerRules::weaponsOf(int kind, const int* levels, int count)
{
    if (!TowerKinds::exists(kind))
        return {};
    return TowerKinds::rulesOf(kind).weapons(Application::instance().config, {levels, count});
}
