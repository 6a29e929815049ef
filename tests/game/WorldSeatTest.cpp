#include "game/WorldSeat.h"

#include "app/Application.h"
#include "game/World.h"

#include <gtest/gtest.h>

// A seat leaves the Application without a World when it goes, unless another World took the seat
// meanwhile: that one stays.
TEST(WorldSeat, ClearsTheApplicationsWorldOnlyWhileItIsStillItsOwn)
{
    Application& app = Application::instance();
    World* const before = app.world;
    World first;
    World second;
    {
        const WorldSeat seat(app, first);
        EXPECT_EQ(app.world, &first);
    }
    EXPECT_EQ(app.world, nullptr);
    {
        const WorldSeat seat(app, first);
        app.world = &second;
    }
    EXPECT_EQ(app.world, &second);
    app.world = before;
}
