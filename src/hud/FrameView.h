// What the panels of the HUD show this frame, filled once per frame by the renderer from the
// game: the fonts and the tower catalogue to draw with, the game's state, the wave, the player's
// hand on the build bar, what the keys changed and, once the game is over, its totals.
#pragma once

#include "app/TowerCatalogue.h"
#include "control/WorldMode.h"
#include "difficulty/Difficulty.h"
#include "stats/ThreatEstimate.h"
#include "invaders/InvaderKinds.h"

#include <array>
#include <string>
#include <vector>

class BitmapFont;
class Building;
struct InvaderType;
struct StatisticsTotals;

struct HudFonts {
    const BitmapFont* main = nullptr;
    const BitmapFont* mainRed = nullptr;
    const BitmapFont* small = nullptr;
    const BitmapFont* smallRed = nullptr;
};

struct FrameView {
    HudFonts fonts;
    TowerCatalogue catalogue;
    int towerBaseline = 0;

    WorldMode mode = Idle;
    bool gameOver = false;
    bool paused = false;
    bool showDebug = false;

    int waveNumber = 1;
    // The wave running now, with the invaders it has left; or the wait for the next one.
    bool waveRunning = false;
    int invadersLeft = 0;
    bool waitingForWave = false;
    double waveCountdown = 0.0;
    // What N would pay now, and whether it would call the wave at all.
    int earlyCallBonus = 0;
    bool mayCallNextWave = false;
    // The numbers the game plays by.
    Difficulty difficulty;
    // In the Mixed mode: the kinds' catalogue (null in Classic), the invaders of each kind the
    // wave on the panel brings, and the kinds it brings for the first time.
    const InvaderType* invaderTypes = nullptr;
    std::array<int, InvaderKinds::Count> kindCounts{};
    std::vector<int> firstSeen;

    // The build bar's button under the mouse (-1 for none), the kind being placed and where its
    // preview stands, and the selected tower (null for none).
    int hoveredButton = -1;
    int placingKind = 0;
    int previewX = 0;
    const Building* selectedTower = nullptr;
    // How far either side of a laser's centre line its bolts hit: the invaders' hit radius.
    int laserColumn = 0;

    bool helpShown = false;
    int helpPage = 0;
    std::string notice;
    // A click in the pause lights the pause's hint.
    bool pauseHintLit = false;
    // The block is within two steps of the ground: the health bar flashes.
    bool groundWarning = false;
    // The top of the wave's lowest live invader, for the marker at the field's edge; none
    // before a wave or once it is over.
    bool lowestRowShown = false;
    double lowestRow = 0.0;
    // The wave to come, or what is left of the one marching, against the towers standing.
    ThreatEstimate threat;
    // Health lost in the landing just gone, shown by the bar for a moment; 0 for none.
    int healthLost = 0;
    // A first launch's hints under the wave panel: "H: controls" until the controls have shown or
    // wave 1 has ended; the difficulties until F2 is first pressed or the first game ends.
    bool controlsHint = false;
    bool difficultyHint = false;
    // The speed the game runs at: 1 for 1x.
    int speed = 1;

    const StatisticsTotals* totals = nullptr;
};
