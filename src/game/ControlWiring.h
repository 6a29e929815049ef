// Connects the player's controls to a World: the tower actions and the keyboard get references to
// the World's fields, the Application's catalogue, sound, settings and mouse sample, and the
// World's own operations, so that they never reach for the World or the Application themselves.
#pragma once

#include <memory>

class DialogControls;
class KeyboardControls;
class TowerActions;
class World;

class ControlWiring {
public:
    static std::unique_ptr<DialogControls> dialogs(World& world);
    static std::unique_ptr<TowerActions> towerActions(World& world);
    static std::unique_ptr<KeyboardControls> keyboard(World& world, TowerActions& actions);
};
