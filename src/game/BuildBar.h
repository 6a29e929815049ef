// The player's side of the game: the button bar in the bottom-right corner and what the mouse
// does with it — choosing a tower kind, placing it on the baseline, selecting a standing tower,
// buying its upgrades and demolishing it.
#pragma once

#include <list>
#include <memory>

struct BITMAP;
struct TowerType;
class Application;
class Building;
class World;

class BuildBar {
public:
    explicit BuildBar(World& world);

    // Once per frame while the game is not over: acts on this frame's clicks (releases).
    void handleMouse();
    // The bar for the current mode; nothing once the game is over or in the quit dialog.
    void draw(BITMAP* target) const;
    // Whether a tower of the kind being placed, centred on the mouse, overlaps no standing tower.
    bool canPlace() const;
    // The placement rule itself: whether a tower of this kind centred on centreX overlaps none of
    // towers (touching ends count as overlap). A restored run places its towers by it too.
    static bool fits(const Application& app, const std::list<std::unique_ptr<Building>>& towers, int kind,
                     int centreX);

private:
    void selectTowerUnderMouse();
    void handleIdle();
    void handlePlacing();
    void handleTowerSelected();
    void buyUpgrade(int button);
    void demolishSelected();

    void drawBuildButtons(BITMAP* target) const;
    void drawPlacementPreview(BITMAP* target) const;
    void drawTowerBar(BITMAP* target) const;
    void drawUpgradeCaption(BITMAP* target, int button, bool enabled) const;
    // One button: its frame from the slot strip and its icon; returns whether it is hovered.
    bool drawButton(BITMAP* target, int x, bool enabled, const BITMAP* icons, int iconX) const;

    int buttonX(int index) const;
    bool mouseInButton(int index) const;
    bool mouseOnTower(const Building& tower) const;
    const TowerType& typeOf(int kind) const;

    World& world;
    Application& app;
};
