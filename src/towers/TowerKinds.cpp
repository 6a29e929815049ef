// The table of tower kinds: names, constructors, weapons' rules and animations.
#include "towers/TowerKinds.h"

#include "towers/LaserTurret.h"
#include "towers/MissileTurret.h"
#include "towers/TeslaCoil.h"
#include "towers/TowerRules.h"

namespace {

struct Kind {
    const char* name;
    std::unique_ptr<Building> (*make)();
    const KindRules& (*rules)();
    unsigned animations;
};

template <typename Tower>
std::unique_ptr<Building> make()
{
    return std::make_unique<Tower>();
}

constexpr Kind Kinds[] = {
    {"LaserTurret", make<LaserTurret>, LaserTurret::rules, LaserTurret::Animations},
    {"MissileTurret", make<MissileTurret>, MissileTurret::rules, MissileTurret::Animations},
    {"TeslaCoil", make<TeslaCoil>, TeslaCoil::rules, TeslaCoil::Animations},
};
static_assert(sizeof Kinds / sizeof Kinds[0] == TowerKinds::Count, "one row per tower kind");

} // namespace

const char* TowerKinds::nameOf(int kind)
{
    return exists(kind) ? Kinds[kind].name : "?";
}

int TowerKinds::named(const std::string& name)
{
    for (int kind = 0; kind < Count; ++kind)
        if (name == Kinds[kind].name)
            return kind;
    return -1;
}

std::unique_ptr<Building> TowerKinds::create(int kind)
{
    return exists(kind) ? Kinds[kind].make() : nullptr;
}

const KindRules& TowerKinds::rulesOf(int kind)
{
    return Kinds[kind].rules();
}

unsigned TowerKinds::animationsOf(int kind)
{
    return exists(kind) ? Kinds[kind].animations : 0;
}
