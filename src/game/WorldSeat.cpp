#include "game/WorldSeat.h"

#include "app/Application.h"

WorldSeat::WorldSeat(Application& app, World& world)
    : app(app)
    , world(world)
{
    app.world = &world;
}

WorldSeat::~WorldSeat()
{
    if (app.world == &world)
        app.world = nullptr;
}
