// The modes of the World's on-screen controls, apart from the World so that the controls and the
// views can name them without the whole game.
#pragma once

enum WorldMode { Idle = 0, Placing = 1, TowerSelected = 2, QuitDialog = 3, NewGameDialog = 4 };

// The World keeps its mode in a plain int, as it was designed; what acts on it holds it through
// this handle, which reads and writes it as a WorldMode.
class WorldModeRef {
public:
    explicit WorldModeRef(int& mode)
        : mode(mode)
    {
    }
    operator WorldMode() const { return static_cast<WorldMode>(mode); }
    WorldModeRef& operator=(WorldMode next)
    {
        mode = next;
        return *this;
    }

private:
    int& mode;
};
