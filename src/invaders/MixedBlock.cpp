#include "invaders/MixedBlock.h"

#include "assets/AnimatedSprite.h"
#include "invaders/Invader.h"
#include "invaders/InvaderKinds.h"
#include "invaders/KindContext.h"
#include "invaders/SquibbleWave.h"

#include <algorithm>

namespace {

// The height of a row of the block; a taller boss pushes the rows behind it up by the rest.
constexpr int RowHeight = 16;
constexpr int BossGap = 2;

} // namespace

std::vector<std::unique_ptr<Invader>> MixedBlock::form(const std::vector<int>& kinds, const KindContext& context)
{
    const int count = static_cast<int>(kinds.size());
    std::vector<std::unique_ptr<Invader>> block;
    Invader* boss = nullptr;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<Invader> invader = InvaderKinds::create(kinds[i], context);
        if (!invader)
            continue;
        SquibbleWave::place(*invader, i, count);
        if (kinds[i] == InvaderKinds::BossKind)
            boss = invader.get();
        block.push_back(std::move(invader));
    }
    if (!boss || !boss->sprite)
        return block;
    const int rise = std::max(0, boss->sprite->height() - RowHeight);
    const double frontRow = boss->y;
    boss->y -= rise;
    for (const std::unique_ptr<Invader>& invader : block)
        if (invader.get() != boss && invader->y < frontRow)
            invader->y -= rise + BossGap;
    return block;
}
