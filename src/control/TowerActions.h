// The rules of the player's tower actions, whatever the input: choosing a kind to place, building
// it, selecting a standing tower, buying its upgrades, demolishing it and cancelling. The build
// bar's clicks and the keyboard both act through here, so they charge, refund and refuse alike.
#pragma once

#include "app/TowerCatalogue.h"
#include "control/PlayState.h"
#include "control/PointerSample.h"

#include <functional>
#include <list>
#include <memory>

class Building;
class SoundBoard;

class TowerActions {
public:
    // Makes a new tower of a kind, not yet placed (the World's factory).
    using Factory = std::function<std::unique_ptr<Building>(int kind)>;

    TowerActions(PlayState state, TowerCatalogue catalogue, PointerSample pointer, SoundBoard& sound,
                 Factory createTower);

    // Whether the kind is affordable and available, so that choosing it would start placing.
    bool mayChoose(int kind) const;
    // Starts placing the kind, with the preview at the mouse (a change of kind while placing keeps
    // the preview where it stands); plays the refused sound (at the mouse)
    // and changes nothing when the kind is out of range, unaffordable or not available.
    bool chooseKind(int kind);
    // The same for the build bar's button n counted from the left (0 the leftmost), as the keys
    // number them: the bar shows kind 0 at the right.
    bool chooseKindAt(int fromLeft);
    // The bars stand right to left (kind 0, and path 0, at the right of count buttons) while the
    // keys count from the left: this turns either count into the other.
    static int mirrored(int index, int count) { return count - 1 - index; }
    // Whether a tower of the kind being placed, centred on centreX, overlaps no standing tower.
    // Touching footprints overlap, so towers always stand at least a pixel apart.
    bool canPlaceAt(int centreX) const;
    // The same rule for any standing towers and kind: a restored run places its towers by it too.
    // A margin widens the new footprint by that many pixels on each side.
    static bool fits(const TowerCatalogue& catalogue, const std::list<std::unique_ptr<Building>>& towers, int kind,
                     int centreX, int margin = 0);
    // While placing: builds the tower centred on centreX and charges its price, staying in placing
    // while the rest of the money buys another. An overlapping place is refused with the sound; a
    // placement the money no longer covers ends without a sound.
    bool buildAt(int centreX);
    // Whether the money still covers the kind being placed.
    bool placingAffordable() const;

    void select(Building& tower);
    // Selects the next standing tower left (direction < 0) or right of the selected one; with none
    // selected, the leftmost or the rightmost. Returns false (and changes nothing) when there is none.
    bool selectNeighbour(int direction);
    // Buys the next level of the selected tower's upgrade path (0 is its first path). A path that is
    // full, too dear or missing is refused with the sound.
    bool buyUpgrade(int path);
    // The same for the upgrade button n counted from the left (0 the leftmost) of the selected
    // tower's bar, as the keys number them: path 0 stands next to "Demolish" at the right.
    bool buyUpgradeAt(int fromLeft);
    // Steps what the selected tower aims at to its next choice; a tower with nothing to choose is
    // refused with the sound.
    bool stepAim();
    // Sells the selected tower for half its kind's price and leaves the selection.
    void demolish();
    // Drops the placement or the selection.
    void cancel();

    // Where the placement preview stands: at the mouse, unless keys moved it since the mouse last moved.
    int previewX() const;
    // Moves the preview by dx pixels from where it stands.
    void steerPreview(int dx);
    // Once per frame: the mouse takes the preview back as soon as it moves.
    void followMouse();

private:
    const TowerType& typeOf(int kind) const;

    PlayState state;
    TowerCatalogue catalogue;
    PointerSample pointer;
    SoundBoard& sound;
    Factory createTower;
    bool steered = false;
    int steeredX = 0;
    int lastMouseX = 0;
    int lastMouseY = 0;
    int lastMouseScreen = 0;
};
