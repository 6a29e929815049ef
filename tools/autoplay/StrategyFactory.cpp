#include "autoplay/StrategyFactory.h"

#include "autoplay/IdleStrategy.h"
#include "autoplay/KindsAnswer.h"
#include "autoplay/LasersOnlyStrategy.h"
#include "autoplay/MixedStrategy.h"

namespace autoplay {

const std::vector<std::string>& strategyNames()
{
    static const std::vector<std::string> names{"idle",  "lasers",      "lasers-half",
                                                 "mixed", "mixed-first", "missile-led",
                                                 "missile-led-first"};
    return names;
}

const std::vector<std::string>& mixedModeStrategyNames()
{
    static const std::vector<std::string> names{"idle", "lasers", "mixed", "mixed-first", "answer"};
    return names;
}

std::unique_ptr<Strategy> makeStrategy(const std::string& name)
{
    if (name == "idle")
        return std::make_unique<IdleStrategy>();
    if (name == "lasers")
        return std::make_unique<LasersOnlyStrategy>();
    if (name == "lasers-half")
        return std::make_unique<LasersOnlyStrategy>(true);
    if (name == "mixed")
        return std::make_unique<MixedStrategy>();
    if (name == "mixed-first")
        return std::make_unique<MixedStrategy>(2, TargetPriority::First);
    if (name == "missile-led")
        return std::make_unique<MixedStrategy>("missile-led", MixedStrategy::missileLedRotation(), TargetPriority::Random);
    if (name == "missile-led-first")
        return std::make_unique<MixedStrategy>("missile-led-first", MixedStrategy::missileLedRotation(),
                                               TargetPriority::First);
    if (name == "answer")
        return std::make_unique<MixedStrategy>("answer", KindsAnswer::nextKind);
    return nullptr;
}

} // namespace autoplay
