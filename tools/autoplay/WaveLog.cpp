#include "autoplay/WaveLog.h"

#include "autoplay/Ledger.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

#include <algorithm>

namespace autoplay {

namespace {

// Health below 0 is overkill, not damage.
long long counted(int health)
{
    return std::max(health, 0);
}

} // namespace

WaveLog::WaveLog(const World& world)
    : lastHealth(world.health)
{
}

void WaveLog::observe(const World& world, const Ledger& ledger)
{
    countDamage(world);
    if (world.currentWave && world.waveNumber != current.wave) {
        if (current.wave > 0) {
            close(current, world, ledger);
            closed.push_back(current);
            earnedBefore = ledger.moneyEarned(world);
            spentBefore = ledger.moneySpent();
        }
        open(world);
    }
    lastHealth = world.health;
}

// An invader still in the wave lost what its health fell by. One that has gone either escaped
// (each escape costs the player a point of health) or was destroyed with the health it had left;
// the escapers are the lowest on the field, since the block marches down together.
void WaveLog::countDamage(const World& world)
{
    const Wave* wave = world.currentWave.get();
    std::vector<Seen> still;
    std::vector<Seen> gone;
    std::list<std::unique_ptr<Invader>>::const_iterator next;
    if (wave)
        next = wave->invaders.begin();
    for (const Seen& before : seen) {
        // A wave only ever removes invaders, so what remains is in the same order.
        if (wave && next != wave->invaders.end() && (*next)->serial == before.serial) {
            const Invader& invader = **next;
            current.damageDealt += counted(before.health) - counted(invader.health);
            still.push_back({invader.serial, invader.health, invader.y});
            ++next;
        } else {
            gone.push_back(before);
        }
    }
    seen.swap(still);
    std::stable_sort(gone.begin(), gone.end(), [](const Seen& a, const Seen& b) { return a.y > b.y; });
    std::size_t escapes = static_cast<std::size_t>(std::max(lastHealth - world.health, 0));
    // The end of the game sets health to 0, hiding the escapes beyond the last point: the rest of
    // the row that took it went with it.
    if (world.health == 0 && escapes > 0)
        while (escapes < gone.size() && gone[escapes].y >= gone[escapes - 1].y)
            ++escapes;
    for (std::size_t i = escapes; i < gone.size(); ++i)
        current.damageDealt += counted(gone[i].health);
}

void WaveLog::open(const World& world)
{
    current = WaveRecord();
    current.wave = world.waveNumber;
    seen.clear();
    // Towers may already have struck in the update that started the wave.
    for (const auto& invader : world.currentWave->invaders) {
        ++current.invaders;
        current.startingHealth += invader->maxHealth;
        current.damageDealt += invader->maxHealth - counted(invader->health);
        seen.push_back({invader->serial, invader->health, invader->y});
    }
}

void WaveLog::close(WaveRecord& row, const World& world, const Ledger& ledger) const
{
    row.moneyEarned = ledger.moneyEarned(world) - earnedBefore;
    row.moneySpent = ledger.moneySpent() - spentBefore;
    row.towersStanding = static_cast<int>(world.towers.size());
    row.healthLeft = world.health;
}

std::vector<WaveRecord> WaveLog::records(const World& world, const Ledger& ledger) const
{
    std::vector<WaveRecord> rows = closed;
    if (current.wave > 0) {
        rows.push_back(current);
        close(rows.back(), world, ledger);
    }
    return rows;
}

} // namespace autoplay
