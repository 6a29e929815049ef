#include "invaders/WaveMakeUp.h"

#include "app/Config.h"
#include "app/ConfigKeys.h"

#include <algorithm>
#include <string>

namespace {

constexpr int RowLength = 12;
constexpr int PercentWhole = 100;
// Beyond any game: a kind joining later never comes.
constexpr int LastWave = 100000;

WaveMakeUp::Rows rowsNamed(const std::string& name)
{
    if (name == "front")
        return WaveMakeUp::Rows::Front;
    if (name == "back")
        return WaveMakeUp::Rows::Back;
    return WaveMakeUp::Rows::Spread;
}

// The free slots in the order a kind standing in those rows takes them.
std::vector<int> freeSlots(const std::vector<int>& kinds, WaveMakeUp::Rows rows)
{
    const int count = static_cast<int>(kinds.size());
    const int lastRow = (count - 1) / RowLength;
    std::vector<int> order;
    for (int r = 0; r <= lastRow; ++r) {
        const int row = rows == WaveMakeUp::Rows::Front ? lastRow - r : r;
        for (int i = row * RowLength; i < std::min(count, (row + 1) * RowLength); ++i)
            if (kinds[i] == InvaderKinds::SquibbleKind)
                order.push_back(i);
    }
    return order;
}

} // namespace

WaveMakeUp WaveMakeUp::read(Config& config)
{
    WaveMakeUp makeUp;
    for (int kind = InvaderKinds::ArmouredKind; kind < InvaderKinds::Count; ++kind) {
        if (kind == InvaderKinds::BossKind)
            continue;
        Share& share = makeUp.shares[kind];
        share.fromWave = std::clamp(config.getIntf(ConfigKeys::InvaderFromWave, kind + 1), 0, LastWave);
        share.percent = std::clamp(config.getIntf(ConfigKeys::InvaderShare, kind + 1), 0, PercentWhole);
        share.rows = rowsNamed(config.getf(ConfigKeys::InvaderRows, kind + 1));
    }
    makeUp.bossEvery = std::clamp(config.getIntf(ConfigKeys::InvaderEvery, InvaderKinds::BossKind + 1), 0, LastWave);
    return makeUp;
}

std::vector<int> WaveMakeUp::kindsFor(int waveNumber, int count) const
{
    std::vector<int> kinds(static_cast<std::size_t>(std::max(count, 0)), InvaderKinds::SquibbleKind);
    if (count <= 0)
        return kinds;
    if (bossWave(waveNumber)) {
        const int front = (count - 1) / RowLength * RowLength;
        const int inRow = count - front;
        const int left = front + std::max(0, inRow / 2 - 1);
        kinds[left] = InvaderKinds::BossKind;
        if (inRow >= 2)
            kinds[left + 1] = NoKind;
    }
    for (int kind = InvaderKinds::ArmouredKind; kind < InvaderKinds::Count; ++kind) {
        const Share& share = shares[kind];
        if (share.fromWave <= 0 || waveNumber < share.fromWave || share.percent <= 0)
            continue;
        const std::vector<int> slots = freeSlots(kinds, share.rows);
        const int wanted = std::min(std::max(1, count * share.percent / PercentWhole), static_cast<int>(slots.size()));
        for (int n = 0; n < wanted; ++n) {
            // Spread: evenly over the free slots.
            const int at = share.rows == Rows::Spread ? (2 * n + 1) * static_cast<int>(slots.size()) / (2 * wanted) : n;
            kinds[slots[at]] = kind;
        }
    }
    return kinds;
}

std::vector<int> WaveMakeUp::newIn(int waveNumber) const
{
    std::vector<int> kinds;
    for (int kind = InvaderKinds::ArmouredKind; kind < InvaderKinds::Count; ++kind)
        if (shares[kind].fromWave == waveNumber && shares[kind].percent > 0)
            kinds.push_back(kind);
    if (bossEvery > 0 && waveNumber == bossEvery)
        kinds.push_back(InvaderKinds::BossKind);
    return kinds;
}
