// The tools' door into the game: the only headers of the game's folder and the Application's that
// the tools (autoplay, balance, mztool) may reach. They start a headless game, run its loop, read
// the World, restore a checkpoint, record and play back a replay and make a wave of the mode
// played through these; the layers test reads what this file reaches,
// as the compiler saw it, and refuses a tool that reaches anything else of src/game or the
// Application. Widening the door is a deliberate change made here, in one place.
#include "app/Application.h"
#include "game/BuildBar.h"
#include "game/EarlyCall.h"
#include "game/FrameStepper.h"
#include "game/ReplayRunner.h"
#include "game/RunRecording.h"
#include "game/WaveFactory.h"
#include "game/WaveThreat.h"
#include "game/World.h"
#include "game/WorldCheckpoint.h"
#include "game/WorldSeat.h"
