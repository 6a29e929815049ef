// The player's money and the books it is counted in. Every payment in or out of a run goes through
// here: the money changes, the matching figure is counted and the run's limits hold, all at once.
#pragma once

class GameStatistics;

class Purse {
public:
    Purse(int& money, GameStatistics& books) : amount(money), books(books) {}

    int money() const { return amount; }
    bool covers(int price) const { return price <= amount; }

    // Money in: the reward for an invader destroyed, the bonus for a wave called early, the
    // refund for a tower demolished.
    void earnReward(int reward);
    void takeEarlyCallBonus(int bonus);
    void refund(int refunded);
    // Money out: the price of a tower built or of an upgrade bought (never below 0).
    void payForTower(int price);
    void payForUpgrade(int price);

private:
    void change(long long by);

    int& amount;
    GameStatistics& books;
};
