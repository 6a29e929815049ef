#include "game/StillFrames.h"

#include "app/Application.h"
#include "game/World.h"
#include "game/WorldView.h"

StillFrames::StillFrames(World& world)
    : world(world)
{
}

void StillFrames::show()
{
    // A close that ended the wait is not drawn: the display may be going with it (a logout).
    if (!world.running)
        return;
    if (gate.needed(WorldView::still(world))) {
        world.showFrame();
        return;
    }
    Application& app = *world.app;
    app.sleepMilliseconds(RedrawGate::restMilliseconds(app.minFrameTime, app.now() - app.lastFrameTime));
}
