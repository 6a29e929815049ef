#include "checkpoint/CheckpointFile.h"

#include <gtest/gtest.h>

TEST(CheckpointFile, AFolderThatCannotBeWrittenIsToldOnceNotAtEveryWave)
{
    const CheckpointFile file("/dev/null/squibble-siege", "data/strings.txt");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(file.save(Checkpoint()) || file.save(Checkpoint()));
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
}
