#include "checkpoint/CheckpointFile.h"

#include <gtest/gtest.h>

#include <algorithm>

// With no folder, or one under a plain file, every wave's save fails alike: one line in all.
TEST(CheckpointFile, NowhereToWriteIsToldOnce)
{
    for (const std::string folder : {"", "/dev/null/squibble-siege"}) {
        const CheckpointFile file(folder, "data/strings.txt");
        testing::internal::CaptureStderr();
        EXPECT_FALSE(file.save(Checkpoint()) || file.save(Checkpoint()));
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    }
}
