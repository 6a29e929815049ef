#include "hud/WavePreview.h"

#include "app/InvaderType.h"
#include "hud/FrameView.h"
#include "hud/TextPanel.h"
#include "invaders/Squibble.h"
#include "invaders/SquibbleWave.h"

#include <cmath>
#include <string>

namespace {

constexpr int PanelRight = 318;
constexpr int PanelY = 2;
// Between the wave panel and a first launch's hints under it.
constexpr int HintGap = 3;
constexpr int KindsPerLine = 2;

} // namespace

void WavePreview::draw(BITMAP* target, const FrameView& view) const
{
    if (view.gameOver)
        return;
    const HudFonts& fonts = view.fonts;
    TextPanel panel;
    const int wave = view.waveNumber;
    if (view.waveRunning) {
        panel.add(fonts.main, "Wave %d", wave);
        panel.add(fonts.small, "%d left", view.invadersLeft);
    } else if (view.waitingForWave) {
        if (speedWave != wave || speedLevel != view.difficulty.level) {
            speed = SquibbleWave::speedFor(wave, view.difficulty);
            speedWave = wave;
            speedLevel = view.difficulty.level;
        }
        panel.add(fonts.main, "Wave %d in %.0fs", wave, std::ceil(view.waveCountdown));
        if (view.invaderTypes)
            addKinds(panel, view);
        else
            panel.add(fonts.small, "%d invaders, %d health each", SquibbleWave::sizeFor(wave),
                      Squibble::healthFor(wave, view.difficulty));
        panel.add(fonts.small, "Speed %.1f px/s", speed);
        // Offered only while N would answer.
        const int bonus = view.earlyCallBonus;
        if (bonus > 0)
            panel.add(fonts.small, "N: call it now, +$%d", bonus);
        else if (view.mayCallNextWave)
            panel.add(fonts.small, "N: call it now");
    }
    panel.add(fonts.small, "Difficulty: %s", Difficulty::nameOf(view.difficulty.level));
    if (view.invaderTypes)
        panel.add(fonts.small, "Mode: Mixed");
    panel.draw(target, PanelRight - panel.width(), PanelY);
    TextPanel hints;
    if (view.controlsHint)
        hints.add(fonts.main, "H: controls");
    if (view.difficultyHint)
        hints.add(fonts.small, "F2: a new game, Easy or Hard");
    int below = PanelY + panel.height() + HintGap;
    if (view.controlsHint || view.difficultyHint) {
        hints.draw(target, PanelRight - hints.width(), below);
        below += hints.height() + HintGap;
    }
    // A kind met for the first time: what hurts it, under the panel while its wave is on it.
    TextPanel firstSeen;
    for (int kind : view.firstSeen)
        if (view.invaderTypes && InvaderKinds::exists(kind))
            firstSeen.add(fonts.small, "%s", view.invaderTypes[kind].hint.c_str());
    if (!view.firstSeen.empty() && view.invaderTypes)
        firstSeen.draw(target, PanelRight - firstSeen.width(), below);
}

// "N Name" of every kind the wave brings, two to a line.
void WavePreview::addKinds(TextPanel& panel, const FrameView& view)
{
    std::string line;
    int onLine = 0;
    for (int kind = 0; kind < InvaderKinds::Count; ++kind) {
        if (view.kindCounts[kind] <= 0)
            continue;
        const std::string& name = view.invaderTypes[kind].name;
        line += (onLine ? ", " : "") + std::to_string(view.kindCounts[kind]) + " " +
                (name.empty() ? InvaderKinds::nameOf(kind) : name.c_str());
        if (++onLine == KindsPerLine) {
            panel.add(view.fonts.small, "%s", line.c_str());
            line.clear();
            onLine = 0;
        }
    }
    if (onLine > 0)
        panel.add(view.fonts.small, "%s", line.c_str());
}
