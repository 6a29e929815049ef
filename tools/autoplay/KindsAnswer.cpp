#include "autoplay/KindsAnswer.h"

#include "app/Application.h"
#include "game/WaveFactory.h"
#include "game/World.h"
#include "invaders/InvaderKinds.h"
#include "towers/Building.h"
#include "towers/TowerKinds.h"

#include <array>

namespace autoplay {

namespace {

constexpr int Laser = 0;
constexpr int Missile = 1;
constexpr int Coil = 2;

// What each kind asks for: the tower that answers it, and how much of it one invader of it asks.
struct Answer {
    int tower;
    int weight;
};
constexpr Answer Answers[InvaderKinds::Count] = {
    {Laser, 2},   // Squibble
    {Missile, 2}, // Armoured
    {Laser, 2},   // Mite
    {Coil, 4},    // Shielded
    {Coil, 3},    // Splitter
    {Missile, 6}  // Boss
};

} // namespace

int KindsAnswer::nextKind(const World& world)
{
    std::array<long long, TowerKinds::Count> wanted{1, 1, 1};
    for (int kind : WaveFactory::kindsOf(world.app->config, world.gameMode, world.waveNumber))
        if (InvaderKinds::exists(kind))
            wanted[Answers[kind].tower] += Answers[kind].weight;
    std::array<long long, TowerKinds::Count> built{};
    for (const auto& tower : world.towers)
        if (TowerKinds::exists(tower->kind))
            ++built[tower->kind];
    long long wantedTotal = 0;
    for (long long w : wanted)
        wantedTotal += w;
    const long long builtTotal = static_cast<long long>(world.towers.size()) + 1;
    // The kind whose share of the towers, with one more, falls furthest below its share of the want.
    int best = Laser;
    long long bestGap = 0;
    for (int kind = 0; kind < TowerKinds::Count; ++kind) {
        const long long gap = wanted[kind] * builtTotal - built[kind] * wantedTotal;
        if (kind == 0 || gap > bestGap) {
            best = kind;
            bestGap = gap;
        }
    }
    return best;
}

} // namespace autoplay
