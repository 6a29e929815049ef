// Keeps the books of one scripted game by watching the field after every frame: the towers that
// appear and the upgrade levels that rise are what the player bought, at catalogue prices.
#pragma once

#include <map>
#include <vector>

class Building;
class World;

namespace autoplay {

class Ledger {
public:
    // Starts the books from the World as it stands (the money it starts with counts as neither
    // earned nor spent).
    explicit Ledger(const World& world);

    // Records what was bought since the last call.
    void observe(const World& world);

    int moneySpent() const { return spent; }
    // Everything that came in: rewards and refunds.
    int moneyEarned(const World& world) const;
    int towersBuilt() const { return built; }

private:
    int priceOfLevels(const Building& tower, int path, int from, int to) const;

    int startingMoney = 0;
    int spent = 0;
    int built = 0;
    // Upgrade levels of every tower seen standing, by tower.
    std::map<const Building*, std::vector<int>> known;
};

} // namespace autoplay
