// The difficulty curve of one scripted game, wave by wave: what each wave brought, the damage the
// towers dealt it, the money earned and spent while it ran and in the pause after it, and the
// towers and health left at its end. The damage and money are the game's own statistics, read
// after every update, so the report and the game's books cannot disagree.
#pragma once

#include <vector>

class World;

namespace autoplay {

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
    // The threat the wave panel showed as the wave began, in percent of what the defence could
    // deal (ThreatEstimate's ratio x 100): above 100 it read "Heavy for your defence".
    int threatPercent = 0;
};

class WaveLog {
public:
    // Starts watching the World as it stands, before its first wave.
    explicit WaveLog(const World& world);

    // Call after every update.
    void observe(const World& world);
    // The rows so far; the last, still open one with the World's present figures.
    std::vector<WaveRecord> records(const World& world) const;

    // Everything that came in (rewards, early calls and refunds) and everything spent, as the
    // game's statistics have them.
    static long long moneyEarned(const World& world);
    static long long moneySpent(const World& world);

private:
    void close(WaveRecord& row, const World& world) const;
    void open(const World& world);

    std::vector<WaveRecord> closed;
    WaveRecord current; // wave 0 until the first wave starts
    // The statistics when the current row began.
    long long earnedBefore = 0;
    long long spentBefore = 0;
    long long damageBefore = 0;
    // The damage dealt as of the last update without a wave: none is dealt between waves, so
    // this is where the next wave's damage starts from.
    long long damageBetweenWaves = 0;
};

} // namespace autoplay
