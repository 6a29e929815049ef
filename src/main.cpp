// Entry point: start the application, play until the player quits, and leave.
#include "app/Application.h"
#include "game/RecordFile.h"
#include "game/World.h"

#include <allegro.h>

int main()
{
    Application& app = Application::instance();
    app.initialise();
    app.world = new World();
    app.world->bestRecord =
        BestRecord(std::make_unique<RecordFile>(RecordFile::defaultFolder(), "data/strings.txt"));
    app.world->run();
    World* finished = app.world;
    app.world = nullptr;
    delete finished;
    return 0;
}
END_OF_MAIN()
