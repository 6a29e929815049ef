// A World made the Application's own for as long as the seat lasts, for a game played apart from
// the window's (a tool's game, a replay's, a checkpoint's trial restore). Unlike
// Application::attachWorld it leaves the window's events alone; on leaving, the Application's
// World is cleared only while it is still this one.
#pragma once

class Application;
class World;

class WorldSeat {
public:
    WorldSeat(Application& app, World& world);
    ~WorldSeat();
    WorldSeat(const WorldSeat&) = delete;
    WorldSeat& operator=(const WorldSeat&) = delete;

private:
    Application& app;
    World& world;
};
