// Synthetic content installed for the scripted player's tests, and the player's geometry checks.
#pragma once

#include "app/Application.h"
#include "autoplay/Player.h"
#include "game/World.h"
#include "support/TestContent.h"
#include "towers/Building.h"

#include <gtest/gtest.h>

#include <memory>

class PlayerFixture : public ::testing::Test {
protected:
    // Short frames: the first wave (after "TimeBetweenWaves" = 5 s) is far away.
    static constexpr double QuickFrame = 0.001;

    void SetUp() override { testcontent::install(); }

    static Application& app() { return Application::instance(); }

    // The placement footprint of a standing tower, as the build bar tests it.
    static std::pair<int, int> footprint(const Building& tower)
    {
        const int width = app().towerTypes[static_cast<std::size_t>(tower.kind)].width;
        const int left = tower.x + (tower.firstFrameWidth() - width) / 2;
        return {left, left + width};
    }

    // No two towers' footprints touch or overlap.
    static bool towersApart(const World& world)
    {
        for (const auto& a : world.towers)
            for (const auto& b : world.towers)
                if (a != b && footprint(*a).first <= footprint(*b).second &&
                    footprint(*b).first <= footprint(*a).second)
                    return false;
        return true;
    }
};
