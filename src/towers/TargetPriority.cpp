#include "towers/TargetPriority.h"

#include "invaders/Invader.h"

#include <cstdlib>

namespace {

constexpr const char* Names[] = {"Random", "First", "Strongest", "Weakest", "Nearest"};

double distanceSquared(const Invader& invader, const TargetPriority::Reach& reach)
{
    const double dx = invader.centreX() - reach.x;
    const double dy = invader.centreY() - reach.y;
    return dx * dx + dy * dy;
}

bool inReach(const Invader& invader, const TargetPriority::Reach* reach)
{
    return !reach || reach->range * reach->range >= distanceSquared(invader, *reach);
}

// Whether a is strictly ahead of b by the rule (a tie is no win, so the earlier keeps its place).
bool ahead(TargetPriority::Rule rule, const Invader& a, const Invader& b, int rowDirection)
{
    switch (rule) {
    case TargetPriority::First:
        if (a.y != b.y)
            return a.y > b.y;
        return rowDirection > 0 ? a.x > b.x : rowDirection < 0 ? a.x < b.x : false;
    case TargetPriority::Strongest: return a.health > b.health;
    case TargetPriority::Weakest: return a.health < b.health;
    default: return false;
    }
}

// The nearest within reach, the later of several at the same distance, dead ones included.
Invader* nearest(const std::list<std::unique_ptr<Invader>>& invaders, const TargetPriority::Reach& reach)
{
    double best = reach.range * reach.range;
    Invader* result = nullptr;
    for (const auto& invader : invaders) {
        const double d2 = distanceSquared(*invader, reach);
        if (best >= d2) {
            best = d2;
            result = invader.get();
        }
    }
    return result;
}

} // namespace

const std::vector<TargetPriority::Rule>& TargetPriority::missileChoices()
{
    static const std::vector<Rule> choices{Random, First, Strongest, Weakest};
    return choices;
}

const std::vector<TargetPriority::Rule>& TargetPriority::coilChoices()
{
    static const std::vector<Rule> choices{Nearest, First, Strongest, Weakest};
    return choices;
}

const char* TargetPriority::nameOf(Rule rule)
{
    return rule >= Random && rule <= Nearest ? Names[rule] : "?";
}

std::optional<TargetPriority::Rule> TargetPriority::named(const std::string& name)
{
    for (int rule = Random; rule <= Nearest; ++rule)
        if (name == Names[rule])
            return static_cast<Rule>(rule);
    return std::nullopt;
}

Invader* TargetPriority::pick(Rule rule, const std::list<std::unique_ptr<Invader>>& invaders, const Reach* reach,
                              int rowDirection)
{
    if (rule == Nearest) {
        Reach anywhere;
        anywhere.range = 1e300;
        return nearest(invaders, reach ? *reach : anywhere);
    }
    if (rule == Random) {
        // One draw over the invaders in reach, whatever their health, as the launchers always drew.
        long count = 0;
        for (const auto& invader : invaders)
            count += inReach(*invader, reach) ? 1 : 0;
        if (count == 0)
            return nullptr;
        long n = std::rand() % count;
        for (const auto& invader : invaders)
            if (inReach(*invader, reach) && n-- == 0)
                return invader.get();
        return nullptr;
    }
    Invader* best = nullptr;
    for (const auto& invader : invaders) {
        if (invader->health <= 0 || !inReach(*invader, reach))
            continue;
        if (!best || ahead(rule, *invader, *best, rowDirection))
            best = invader.get();
    }
    return best;
}
