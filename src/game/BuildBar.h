// The player's side of the game: the button bar in the bottom-right corner and what the mouse
// does with it — choosing a tower kind, placing it on the baseline, selecting a standing tower,
// buying its upgrades and demolishing it.
#pragma once

#include "app/Field.h"

struct BITMAP;
struct TowerType;
class Application;
class Building;
class TowerActions;
class World;

class BuildBar {
public:
    // Button i of a bar: its left edge, its top and its size; button 0 stands at the right, the
    // others spacing pixels apart to its left.
    static constexpr int ButtonRightX = 300;
    static constexpr int ButtonTop = Field::StatusTop;
    static constexpr int ButtonSize = 19;
    static int buttonLeft(int index, int spacing) { return ButtonRightX - index * spacing; }

    // The clicks act through the actions, as the keys do.
    BuildBar(World& world, TowerActions& actions);

    // Once per frame while the game is not over: acts on this frame's clicks (releases).
    void handleMouse();
    // The bar for the current mode; nothing once the game is over or in the quit dialog.
    void draw(BITMAP* target) const;
    // The button under the mouse among those the bar shows now: a tower kind's while choosing
    // one, a path's (0 is "Demolish") while a tower is selected; -1 for none.
    int hoveredButton() const;

private:
    void selectTowerUnderMouse();
    void handleIdle();
    void handlePlacing();
    void handleTowerSelected();

    void drawBuildButtons(BITMAP* target) const;
    void drawPlacementPreview(BITMAP* target) const;
    void drawTowerBar(BITMAP* target) const;
    void drawUpgradeCaption(BITMAP* target, int button, bool enabled) const;
    // One button: its frame from the slot strip and its icon; returns whether it is hovered.
    bool drawButton(BITMAP* target, int x, bool enabled, const BITMAP* icons, int iconX) const;

    // The selected tower's bar: "Demolish", its paths and, when it has rules to choose among, the
    // aim button at the left.
    int towerBarButtons(const Building& tower) const;
    void drawAimButton(BITMAP* target, const Building& tower) const;

    int buttonX(int index) const;
    bool mouseInButton(int index) const;
    bool mouseOnTower(const Building& tower) const;
    const TowerType& typeOf(int kind) const;

    World& world;
    TowerActions& actions;
    Application& app;
};
