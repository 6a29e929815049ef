// The difficulty curve of one scripted game, wave by wave: what each wave brought, the damage the
// towers dealt it, the money earned and spent while it ran and in the pause after it, and the
// towers and health left at its end. Kept by watching the World after every update.
#pragma once

#include <cstdint>
#include <vector>

class World;

namespace autoplay {

class Ledger;

struct WaveRecord {
    int wave = 0;
    // Counted after the update that started the wave: one destroyed within that very update
    // would be missed (a bolt already in flight can reach the top row).
    int invaders = 0;
    long long startingHealth = 0; // of all its invaders together
    // Health taken off its invaders, counted down to 0 (the overkill of a last hit is not).
    long long damageDealt = 0;
    // From this wave's start to the next wave's start (wave 1 from the start of the game).
    int moneyEarned = 0;
    int moneySpent = 0;
    int towersStanding = 0; // at the row's end
    int healthLeft = 0;
};

class WaveLog {
public:
    // Starts watching the World as it stands, before its first wave.
    explicit WaveLog(const World& world);

    // Call after every update, once the ledger has seen the same update.
    void observe(const World& world, const Ledger& ledger);
    // The rows so far; the last, still open one with the World's present figures.
    std::vector<WaveRecord> records(const World& world, const Ledger& ledger) const;

private:
    // What was last seen of an invader of the current wave.
    struct Seen {
        std::uint64_t serial;
        int health;
        double y;
    };

    void countDamage(const World& world);
    void close(WaveRecord& row, const World& world, const Ledger& ledger) const;
    void open(const World& world);

    std::vector<WaveRecord> closed;
    WaveRecord current; // wave 0 until the first wave starts
    // The ledger's totals when the current row began.
    int earnedBefore = 0;
    int spentBefore = 0;
    int lastHealth;
    // The current wave's invaders in list order, as of the last update.
    std::vector<Seen> seen;
};

} // namespace autoplay
