#include "hud/TowerFiguresPanel.h"

#include "assets/BitmapFont.h"
#include "control/WorldMode.h"
#include "files/ClassicLocale.h"
#include "hud/FrameView.h"
#include "hud/TextPanel.h"
#include "towers/Building.h"
#include "towers/TowerRoles.h"

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
        const ClassicLocale pointed;
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

TowerFiguresPanel::Key TowerFiguresPanel::keyOf(const FrameView& view)
{
    Key key;
    if (view.gameOver)
        return key;
    const int hovered = view.hoveredButton;
    if (view.mode == Idle && hovered >= 0) {
        key.mode = Idle;
        key.kind = hovered;
    } else if (view.mode == Placing) {
        key.mode = Placing;
        key.kind = view.placingKind;
    } else if (view.mode == TowerSelected && view.selectedTower) {
        const Building& tower = *view.selectedTower;
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

const FiguresSubject& TowerFiguresPanel::subject(const FrameView& view) const
{
    const Key key = keyOf(view);
    if (key == cachedKey)
        return cached;
    cachedKey = key;
    cached = FiguresSubject();
    if (key.mode < 0 || key.kind < 0 || !view.catalogue.has(key.kind))
        return cached;
    cached.shown = true;
    cached.kind = key.kind;
    cached.tower = key.tower;
    cached.path = key.path;
    if (key.tower) {
        cached.now = TowerFigures::of(*key.tower);
        cached.after = key.path >= 0 ? TowerFigures::afterUpgrade(*key.tower, key.path, view.catalogue[key.kind]) : cached.now;
    } else {
        cached.now = TowerFigures::of(key.kind, key.levels.data(), 0);
        cached.after = cached.now;
    }
    return cached;
}

void TowerFiguresPanel::draw(BITMAP* target, const FrameView& view) const
{
    const FiguresSubject& shown = subject(view);
    if (!shown.shown)
        return;
    const BitmapFont* font = view.fonts.small;
    const TowerFigures& now = shown.now;
    const TowerFigures& after = shown.after;
    TextPanel panel;
    panel.add(view.fonts.main, "%s", view.catalogue[shown.kind].name.c_str());
    if (*TowerRoles::of(shown.kind) != '\0')
        panel.add(view.fonts.smallRed, "%s", TowerRoles::of(shown.kind));
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
        if (!tower->aimChoices().empty())
            panel.add(font, "Aims at: %s", TargetPriority::nameOf(tower->aim));
        panel.add(font, "Destroyed %d", tower->tally->invadersDestroyed);
        panel.add(font, "Damage dealt %lld", tower->tally->damage);
        // The paths in the order their buttons stand, left to right: the last path leftmost.
        const TowerType& type = view.catalogue[shown.kind];
        const int paths =
            std::min(static_cast<int>(tower->upgradeLevels.size()), static_cast<int>(type.upgrades.size()) - 1);
        for (int p = paths - 1; p >= 0; --p) {
            const UpgradeType& path = type.upgrades[static_cast<std::size_t>(p) + 1];
            const int level = tower->upgradeLevels[static_cast<std::size_t>(p)];
            panel.add(font, "%s %d/%d", path.name.c_str(), level, path.levelCount);
        }
    }
    panel.draw(target, PanelX, view.showDebug ? PanelYBelowDebug : PanelY);
}
