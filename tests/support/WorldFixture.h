// A test fixture with synthetic content installed and a fresh World set up for a new game.
#pragma once

#include "app/Application.h"
#include "game/World.h"
#include "support/ScriptedInput.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

class WorldFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        input = &testcontent::install();
        std::srand(1);
        world = std::make_unique<World>();
        app().world = world.get();
        world->newGame();
    }

    void TearDown() override
    {
        app().world = nullptr;
        world.reset();
    }

    static Application& app() { return Application::instance(); }

    // Samples the scripted mouse for a frame, then runs one update.
    void frame(double dt)
    {
        app().sampleMouse();
        world->update(dt);
    }

    // A left click at a back-buffer pixel: press in one frame, release in the next.
    void clickAt(int x, int y, int button = 1)
    {
        input->pointAt(x, y);
        input->buttons = button;
        frame(0.0);
        input->buttons = 0;
        frame(0.0);
    }

    ScriptedInput* input = nullptr;
    std::unique_ptr<World> world;
};
