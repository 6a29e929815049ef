#include "hud/TowerFiguresPanel.h"

#include "app/Application.h"
#include "assets/BitmapFont.h"
#include "game/BuildBar.h"
#include "game/World.h"
#include "hud/TextPanel.h"
#include "towers/Building.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int PanelX = 2;
constexpr int PanelY = 2;
// Below the three lines of the debug overlay while it shows.
constexpr int PanelYBelowDebug = 28;
constexpr int DemolishButton = 0;

// " (+0.4)" after a figure that the hovered upgrade changes; empty when it stays.
struct Change {
    char text[24] = "";
    Change(double now, double after, const char* format)
    {
        const double delta = after - now;
        if (std::fabs(delta) < 0.005)
            return;
        char number[16];
        std::snprintf(number, sizeof number, format, std::fabs(delta));
        std::snprintf(text, sizeof text, " (%c%s)", delta > 0 ? '+' : '-', number);
    }
};

} // namespace

bool TowerFiguresPanel::Key::operator==(const Key& other) const
{
    return mode == other.mode && kind == other.kind && tower == other.tower && levels == other.levels &&
           path == other.path;
}

TowerFiguresPanel::TowerFiguresPanel(const World& world)
    : world(world)
{
}

TowerFiguresPanel::Key TowerFiguresPanel::keyNow() const
{
    Key key;
    if (world.gameOver)
        return key;
    const int hovered = world.buttons().hoveredButton();
    if (world.mode == Idle && hovered >= 0) {
        key.mode = Idle;
        key.kind = hovered;
    } else if (world.mode == Placing) {
        key.mode = Placing;
        key.kind = world.placingKind;
    } else if (world.mode == TowerSelected && world.selectedTower) {
        const Building& tower = *world.selectedTower;
        key.mode = TowerSelected;
        key.kind = tower.kind;
        key.tower = &tower;
        const std::size_t count = std::min(tower.upgradeLevels.size(), key.levels.size());
        std::copy_n(tower.upgradeLevels.begin(), count, key.levels.begin());
        if (hovered > DemolishButton)
            key.path = hovered - 1;
    }
    return key;
}

const FiguresSubject& TowerFiguresPanel::subject() const
{
    const Key key = keyNow();
    if (key == cachedKey)
        return cached;
    cachedKey = key;
    cached = FiguresSubject();
    if (key.mode < 0 || key.kind < 0 || key.kind >= static_cast<int>(world.app->towerTypes.size()))
        return cached;
    cached.shown = true;
    cached.kind = key.kind;
    cached.tower = key.tower;
    cached.path = key.path;
    if (key.tower) {
        cached.now = TowerFigures::of(*key.tower);
        cached.after = key.path >= 0 ? TowerFigures::afterUpgrade(*key.tower, key.path) : cached.now;
    } else {
        cached.now = TowerFigures::of(key.kind, key.levels.data(), 0);
        cached.after = cached.now;
    }
    return cached;
}

void TowerFiguresPanel::draw(BITMAP* target) const
{
    const FiguresSubject& shown = subject();
    if (!shown.shown)
        return;
    const Application& app = *world.app;
    const BitmapFont* font = app.fontSmall.get();
    const TowerFigures& now = shown.now;
    const TowerFigures& after = shown.after;
    TextPanel panel;
    panel.add(app.fontMain.get(), "%s", app.towerTypes[static_cast<std::size_t>(shown.kind)].name.c_str());
    panel.add(font, "Damage %d per hit%s", after.damagePerHit, Change(now.damagePerHit, after.damagePerHit, "%.0f").text);
    panel.add(font, "Hits %.1f/s%s", after.hitsPerSecond, Change(now.hitsPerSecond, after.hitsPerSecond, "%.1f").text);
    panel.add(font, "Damage %.1f/s%s", after.damagePerSecond,
              Change(now.damagePerSecond, after.damagePerSecond, "%.1f").text);
    if (after.range > 0.0)
        panel.add(font, "Range %.0f%s", after.range, Change(now.range, after.range, "%.0f").text);
    if (after.blastRadius > 0.0)
        panel.add(font, "Blast %.0f%s", after.blastRadius, Change(now.blastRadius, after.blastRadius, "%.0f").text);
    if (after.missileDamage > 0) {
        panel.add(font, "Missiles %d x %.2f/s%s", after.missileDamage, after.missilesPerSecond,
                  now.missileDamage > 0 ? "" : " (new)");
    }
    if (const Building* tower = shown.tower) {
        const TowerType& type = app.towerTypes[static_cast<std::size_t>(shown.kind)];
        char levels[TextPanel::LineLength] = "Levels";
        std::size_t used = 6;
        for (std::size_t p = 0; p < tower->upgradeLevels.size() && p + 1 < type.upgrades.size(); ++p) {
            const int written = std::snprintf(levels + used, sizeof levels - used, " %d/%d", tower->upgradeLevels[p],
                                              type.upgrades[p + 1].levelCount);
            used = std::min(sizeof levels - 1, used + static_cast<std::size_t>(std::max(written, 0)));
        }
        panel.add(font, "%s", levels);
        panel.add(font, "Destroyed %d", tower->tally->invadersDestroyed);
        panel.add(font, "Damage dealt %lld", tower->tally->damage);
    }
    panel.draw(target, PanelX, world.showDebug ? PanelYBelowDebug : PanelY);
}
