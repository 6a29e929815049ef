#include "game/BestRecord.h"

#include <gtest/gtest.h>

namespace {

// A store that hands out a fixed record and remembers what it was asked to keep.
class FakeStore : public RecordStore {
public:
    FakeStore(std::optional<int> stored, std::vector<int>& saved, bool works = true)
        : stored(stored), saved(saved), works(works) {}
    std::optional<int> load() override { return stored; }
    bool save(int best) override
    {
        saved.push_back(best);
        return works;
    }
    std::optional<int> stored;
    std::vector<int>& saved;
    bool works;
};

} // namespace

TEST(BestRecord, StartsFromTheStoredBestOrZero)
{
    std::vector<int> saved;
    EXPECT_EQ(BestRecord(std::make_unique<FakeStore>(8, saved)).best(), 8);
    EXPECT_EQ(BestRecord(std::make_unique<FakeStore>(std::nullopt, saved)).best(), 0);
    EXPECT_EQ(BestRecord().best(), 0);
}

TEST(BestRecord, OnlyABeatenBestIsStoredAndCalledNew)
{
    std::vector<int> saved;
    BestRecord record(std::make_unique<FakeStore>(5, saved));
    record.gameEnded(5); // a tie is not a new best
    EXPECT_FALSE(record.newBest());
    record.gameEnded(6);
    EXPECT_TRUE(record.newBest());
    EXPECT_EQ(record.best(), 6);
    record.newGame();
    EXPECT_FALSE(record.newBest());
    record.gameEnded(2);
    EXPECT_EQ(record.best(), 6);
    EXPECT_EQ(saved, std::vector<int>{6});
}

TEST(BestRecord, AStoreThatCannotKeepItStillCountsForThisLaunch)
{
    std::vector<int> saved;
    BestRecord record(std::make_unique<FakeStore>(std::nullopt, saved, false));
    record.gameEnded(3);
    EXPECT_TRUE(record.newBest());
    record.gameEnded(3);
    EXPECT_EQ(record.best(), 3);
    EXPECT_FALSE(record.newBest());
    EXPECT_EQ(saved, std::vector<int>{3});
}
