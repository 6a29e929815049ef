// The modes of the World's on-screen controls, apart from the World so that the controls and the
// views can name them without the whole game.
#pragma once

enum WorldMode { Idle = 0, Placing = 1, TowerSelected = 2, QuitDialog = 3, NewGameDialog = 4 };
