// Draws the field and the HUD of a World into the back buffer: background, clouds, projectiles,
// towers, invaders, effects, the status row, the "Game Over" picture, the quit and new-game dialogs and the
// debug overlay, with the panels of the hud: range rings, tower figures, the wave, the game's
// statistics at its end and what the keys show. It only reads the World, and hands the panels a
// view of it filled once per frame.
#pragma once

#include "game/WaveKindsView.h"
#include "hud/FirstLaunchHints.h"
#include "hud/FrameView.h"
#include "hud/TowerFiguresPanel.h"
#include "hud/WavePreview.h"

struct BITMAP;
class World;

class WorldRenderer {
public:
    explicit WorldRenderer(const World& world);

    // What the panels show now, taken from the World.
    FrameView view() const;
    // Whether the health bar's warning flash is lit at this time on the monotonic clock.
    static bool warningFlashLit(double now);

    // The field, the status row and, once the game is over, the greyed "Game Over" picture.
    void draw(BITMAP* target);
    // Before each picture: the first launch's hints note what the frame about to be drawn shows.
    void followHints();
    // The quit dialog and the debug overlay, drawn over the button bar.
    void drawOverlays(BITMAP* target) const;
    // What the keys show, over everything else.
    void drawControls(BITMAP* target) const;

private:
    void drawField(BITMAP* target) const;
    void drawStatus(BITMAP* target) const;
    void drawGameOver(BITMAP* target) const;
    // "Paused", or what a resumed run says until P is pressed.
    void drawPaused(BITMAP* target) const;
    // A dialog's look: its title over its buttons, in a box.
    void drawDialog(BITMAP* target, const char* title) const;
    void drawDebugOverlay(BITMAP* target) const;

    const World& world;
    // This frame's view, taken at the start of draw.
    FrameView frame;
    FirstLaunchHints hints;
    TowerFiguresPanel figures;
    WavePreview wave;
    // Worked out once per wave for the frames' views.
    mutable WaveKindsView kinds;
};
