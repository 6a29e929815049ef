#include "control/TowerActions.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "assets/SpriteSheet.h"
#include "audio/SoundBoard.h"
#include "game/World.h"
#include "towers/Building.h"
#include "towers/TowerKinds.h"

#include <algorithm>
#include <allegro.h>
#include <memory>

TowerActions::TowerActions(World& world)
    : world(world)
    , app(*world.app)
{
}

const TowerType& TowerActions::typeOf(int kind) const
{
    return app.towerTypes[kind];
}

int TowerActions::centreOf(const Building& tower)
{
    return tower.x + tower.firstFrameWidth() / 2;
}

bool TowerActions::mayChoose(int kind) const
{
    if (!TowerKinds::exists(kind))
        return false;
    const TowerType& type = typeOf(kind);
    return type.price <= world.money && type.available;
}

bool TowerActions::chooseKind(int kind)
{
    if (!mayChoose(kind)) {
        app.sound.play(SoundEvent::Refused, app.mouseX);
        return false;
    }
    // A new placement starts at the mouse; another kind while placing stays where the keys put it.
    steered = steered && world.mode == Placing;
    world.mode = Placing;
    world.placingKind = kind;
    return true;
}

bool TowerActions::placingAffordable() const
{
    return world.money >= typeOf(world.placingKind).price;
}

bool TowerActions::canPlaceAt(int centreX) const
{
    return fits(app, world.towers, world.placingKind, centreX);
}

bool TowerActions::fits(const Application& app, const std::list<std::unique_ptr<Building>>& towers, int kind,
                        int centreX)
{
    const int width = app.towerTypes[kind].width;
    const int left = centreX - width / 2;
    const int right = left + width;
    for (const auto& tower : towers) {
        const TowerType& type = app.towerTypes[tower->kind];
        const int l = tower->x + (SpriteSheet::firstFrameWidth(type.spriteSheet) - type.width) / 2;
        const int r = l + type.width;
        if ((l <= left && left <= r) || (l <= right && right <= r) || (left < l && right > r))
            return false;
    }
    return true;
}

bool TowerActions::buildAt(int centreX)
{
    if (world.mode != Placing)
        return false;
    const TowerType& type = typeOf(world.placingKind);
    if (!placingAffordable()) {
        world.mode = Idle;
        return false;
    }
    if (!canPlaceAt(centreX)) {
        app.sound.play(SoundEvent::Refused, centreX);
        return false;
    }
    std::unique_ptr<Building> tower = world.createTower(world.placingKind);
    tower->place(centreX - SpriteSheet::firstFrameWidth(type.spriteSheet) / 2);
    world.towers.push_back(std::move(tower));
    world.money -= type.price;
    world.statistics.towerBuilt(type.price);
    app.sound.play(SoundEvent::TowerBuilt, centreX);
    if (!placingAffordable())
        world.mode = Idle;
    return true;
}

void TowerActions::select(Building& tower)
{
    world.selectedTower = &tower;
    world.mode = TowerSelected;
}

bool TowerActions::selectNeighbour(int direction)
{
    const Building* current = world.mode == TowerSelected ? world.selectedTower : nullptr;
    Building* best = nullptr;
    for (const auto& tower : world.towers) {
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
    if (world.mode != TowerSelected || !world.selectedTower)
        return false;
    Building& tower = *world.selectedTower;
    const TowerType& type = typeOf(tower.kind);
    const int centre = centreOf(tower);
    const int entry = path + 1;
    if (path < 0 || entry >= type.upgradeCount || path >= static_cast<int>(tower.upgradeLevels.size())) {
        app.sound.play(SoundEvent::Refused, centre);
        return false;
    }
    const UpgradeType& upgrade = type.upgrades[entry];
    const int level = tower.upgradeLevels[path];
    if (level >= upgrade.levelCount || world.money < upgrade.levels[level].price) {
        app.sound.play(SoundEvent::Refused, centre);
        return false;
    }
    world.money -= upgrade.levels[level].price;
    world.statistics.upgradeBought(upgrade.levels[level].price);
    tower.upgrade(path);
    app.sound.play(SoundEvent::UpgradeBought, centre);
    return true;
}

void TowerActions::demolish()
{
    Building* tower = world.mode == TowerSelected ? world.selectedTower : nullptr;
    if (!tower)
        return;
    tower->sell();
    app.sound.play(SoundEvent::TowerSold, centreOf(*tower));
    world.towers.remove_if([tower](const std::unique_ptr<Building>& t) { return t.get() == tower; });
    world.selectedTower = nullptr;
    world.mode = Idle;
}

void TowerActions::cancel()
{
    if (world.mode == Placing || world.mode == TowerSelected)
        world.mode = Idle;
}

int TowerActions::previewX() const
{
    return steered ? steeredX : app.mouseX;
}

void TowerActions::steerPreview(int dx)
{
    steeredX = std::clamp(previewX() + dx, 0, BackBuffer::Width - 1);
    steered = true;
    lastMouseX = app.mouseX;
    lastMouseY = app.mouseY;
    lastMouseScreen = app.mouseScreen;
}

void TowerActions::followMouse()
{
    // On a new screen the picture moved under the pointer: where it now points is no move.
    if (app.mouseScreen != lastMouseScreen) {
        lastMouseScreen = app.mouseScreen;
        lastMouseX = app.mouseX;
        lastMouseY = app.mouseY;
    }
    if (steered && (app.mouseX != lastMouseX || app.mouseY != lastMouseY))
        steered = false;
}
