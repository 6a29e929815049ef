#include "control/TowerActions.h"

#include "app/Field.h"
#include "assets/SpriteSheet.h"
#include "audio/SoundBoard.h"
#include "control/WorldMode.h"
#include "stats/Purse.h"
#include "towers/Building.h"

#include <algorithm>
#include <allegro.h>
#include <memory>

TowerActions::TowerActions(PlayState state, TowerCatalogue catalogue, PointerSample pointer, SoundBoard& sound,
                           Factory createTower)
    : state(state)
    , catalogue(catalogue)
    , pointer(pointer)
    , sound(sound)
    , createTower(std::move(createTower))
{
}

const TowerType& TowerActions::typeOf(int kind) const
{
    return catalogue[kind];
}

bool TowerActions::mayChoose(int kind) const
{
    if (!catalogue.has(kind))
        return false;
    const TowerType& type = typeOf(kind);
    return state.purse.covers(type.price) && type.available;
}

bool TowerActions::chooseKind(int kind)
{
    if (!mayChoose(kind)) {
        sound.play(SoundEvent::Refused, pointer.x);
        return false;
    }
    // A new placement starts at the mouse; another kind while placing stays where the keys put it.
    steered = steered && state.mode == Placing;
    state.mode = Placing;
    state.placingKind = kind;
    return true;
}

bool TowerActions::chooseKindAt(int fromLeft)
{
    return chooseKind(fromLeft >= 0 && fromLeft < catalogue.count ? mirrored(fromLeft, catalogue.count) : -1);
}

bool TowerActions::placingAffordable() const
{
    return state.purse.covers(typeOf(state.placingKind).price);
}

bool TowerActions::canPlaceAt(int centreX) const
{
    return fits(catalogue, state.towers, state.placingKind, centreX);
}

bool TowerActions::fits(const TowerCatalogue& catalogue, const std::list<std::unique_ptr<Building>>& towers, int kind,
                        int centreX, int margin)
{
    const int width = catalogue[kind].width;
    const int left = centreX - width / 2 - margin;
    const int right = centreX - width / 2 + width + margin;
    for (const auto& tower : towers) {
        const TowerType& type = catalogue[tower->kind];
        const int l = tower->x + (SpriteSheet::firstFrameWidth(type.spriteSheet) - type.width) / 2;
        const int r = l + type.width;
        if ((l <= left && left <= r) || (l <= right && right <= r) || (left < l && right > r))
            return false;
    }
    return true;
}

bool TowerActions::buildAt(int centreX)
{
    if (state.mode != Placing)
        return false;
    const TowerType& type = typeOf(state.placingKind);
    if (!placingAffordable()) {
        state.mode = Idle;
        return false;
    }
    if (!canPlaceAt(centreX)) {
        sound.play(SoundEvent::Refused, centreX);
        return false;
    }
    std::unique_ptr<Building> tower = createTower(state.placingKind);
    tower->place(centreX - SpriteSheet::firstFrameWidth(type.spriteSheet) / 2);
    state.towers.push_back(std::move(tower));
    state.purse.payForTower(type.price);
    sound.play(SoundEvent::TowerBuilt, centreX);
    if (!placingAffordable())
        state.mode = Idle;
    return true;
}

void TowerActions::select(Building& tower)
{
    state.selectedTower = &tower;
    state.mode = TowerSelected;
}

bool TowerActions::selectNeighbour(int direction)
{
    const Building* current = state.mode == TowerSelected ? state.selectedTower : nullptr;
    Building* best = nullptr;
    for (const auto& tower : state.towers) {
        Building* candidate = tower.get();
        if (candidate == current)
            continue;
        // Strictly beyond the selected tower on the chosen side; the nearest such one wins. With none
        // selected, the farthest on that side does.
        const bool beyond = !current || (direction < 0 ? candidate->x < current->x : candidate->x > current->x);
        if (!beyond)
            continue;
        const bool nearer = best && (direction < 0 ? candidate->x > best->x : candidate->x < best->x);
        const bool farther = best && (direction < 0 ? candidate->x < best->x : candidate->x > best->x);
        if (!best || (current ? nearer : farther))
            best = candidate;
    }
    if (!best)
        return false;
    select(*best);
    return true;
}

bool TowerActions::buyUpgrade(int path)
{
    if (state.mode != TowerSelected || !state.selectedTower)
        return false;
    Building& tower = *state.selectedTower;
    const TowerType& type = typeOf(tower.kind);
    const int centre = tower.centreLine();
    const int entry = path + 1;
    if (path < 0 || entry >= type.upgradeCount || path >= static_cast<int>(tower.upgradeLevels.size())) {
        sound.play(SoundEvent::Refused, centre);
        return false;
    }
    const UpgradeType& upgrade = type.upgrades[entry];
    const int level = tower.upgradeLevels[path];
    if (level >= upgrade.levelCount || !state.purse.covers(upgrade.levels[level].price)) {
        sound.play(SoundEvent::Refused, centre);
        return false;
    }
    state.purse.payForUpgrade(upgrade.levels[level].price);
    tower.upgrade(path);
    sound.play(SoundEvent::UpgradeBought, centre);
    return true;
}

bool TowerActions::buyUpgradeAt(int fromLeft)
{
    if (state.mode != TowerSelected || !state.selectedTower)
        return false;
    const int paths = typeOf(state.selectedTower->kind).upgradeCount - 1;
    return buyUpgrade(fromLeft >= 0 && fromLeft < paths ? mirrored(fromLeft, paths) : -1);
}

bool TowerActions::stepAim()
{
    if (state.mode != TowerSelected || !state.selectedTower)
        return false;
    Building& tower = *state.selectedTower;
    if (!tower.stepAim()) {
        sound.play(SoundEvent::Refused, tower.centreLine());
        return false;
    }
    sound.play(SoundEvent::UpgradeBought, tower.centreLine());
    return true;
}

void TowerActions::demolish()
{
    Building* tower = state.mode == TowerSelected ? state.selectedTower : nullptr;
    if (!tower)
        return;
    tower->sell();
    sound.play(SoundEvent::TowerSold, tower->centreLine());
    state.towers.remove_if([tower](const std::unique_ptr<Building>& t) { return t.get() == tower; });
    state.selectedTower = nullptr;
    state.mode = Idle;
}

void TowerActions::cancel()
{
    if (state.mode == Placing || state.mode == TowerSelected)
        state.mode = Idle;
}

int TowerActions::previewX() const
{
    return steered ? steeredX : pointer.x;
}

void TowerActions::steerPreview(int dx)
{
    steeredX = std::clamp(previewX() + dx, 0, Field::Width - 1);
    steered = true;
    lastMouseX = pointer.x;
    lastMouseY = pointer.y;
    lastMouseScreen = pointer.screen;
}

void TowerActions::followMouse()
{
    // On a new screen the picture moved under the pointer: where it now points is no move.
    if (pointer.screen != lastMouseScreen) {
        lastMouseScreen = pointer.screen;
        lastMouseX = pointer.x;
        lastMouseY = pointer.y;
    }
    if (steered && (pointer.x != lastMouseX || pointer.y != lastMouseY))
        steered = false;
}
