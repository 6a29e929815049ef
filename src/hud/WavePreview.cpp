#include "hud/WavePreview.h"

#include "app/InvaderType.h"
#include "assets/Palette.h"
#include "hud/CaptionBox.h"
#include "hud/FrameView.h"
#include "hud/TextPanel.h"
#include "invaders/Squibble.h"
#include "invaders/SquibbleWave.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int PanelRight = 318;
constexpr int PanelY = 2;
// Between the wave panel and a first launch's hints under it, and between two hints.
constexpr int HintGap = 3;
// The threat bar under the panel's text: its height and the box's padding around it.
constexpr int BarHeight = 3;
constexpr int BarPadding = 2;

int threatColour(ThreatEstimate::Verdict verdict)
{
    switch (verdict) {
    case ThreatEstimate::Verdict::Light: return Palette::colour(Palette::Green);
    case ThreatEstimate::Verdict::Even: return Palette::colour(Palette::Yellow);
    case ThreatEstimate::Verdict::Heavy: break;
    }
    return Palette::colour(Palette::Red);
}

// The threat as a bar the panel's width: the fill is the wave's share of what the defence could
// deal, a notch marks where that share is whole (the Heavy line).
int drawThreatBar(BITMAP* target, const ThreatEstimate& threat, int left, int top, int width)
{
    const int height = BarHeight + 2 * BarPadding;
    CaptionBox::box(target, left, top, width, height, false, true);
    const int inner = width - 2 * BarPadding;
    const int fill = threat.barFill(inner);
    const int x = left + BarPadding;
    const int y = top + BarPadding;
    rect(target, x, y, x + inner - 1, y + BarHeight - 1, Palette::colour(Palette::Slate));
    if (fill > 0)
        rectfill(target, x, y, x + fill - 1, y + BarHeight - 1, threatColour(threat.verdict()));
    vline(target, x + inner / 2, y - 1, y + BarHeight, Palette::colour(Palette::White));
    return height;
}
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
        panel.add(threatFont(view), "Threat: %s", ThreatEstimate::caption(view.threat.verdict()));
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
        panel.add(threatFont(view), "Threat: %s", ThreatEstimate::caption(view.threat.verdict()));
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
    const int left = PanelRight - panel.width();
    panel.draw(target, left, PanelY);
    int bottom = PanelY + panel.height();
    if (view.waveRunning || view.waitingForWave)
        bottom += drawThreatBar(target, view.threat, left, bottom, panel.width());
    const int below = drawHints(target, view, bottom + HintGap);
    // A kind met for the first time: what hurts it, under the panel while its wave is on it.
    TextPanel firstSeen;
    for (int kind : view.firstSeen)
        if (view.invaderTypes && InvaderKinds::exists(kind))
            firstSeen.add(fonts.small, "%s", view.invaderTypes[kind].hint.c_str());
    if (!view.firstSeen.empty() && view.invaderTypes)
        firstSeen.draw(target, PanelRight - firstSeen.width(), below);
}

const BitmapFont* WavePreview::threatFont(const FrameView& view)
{
    return view.threat.verdict() == ThreatEstimate::Verdict::Heavy ? view.fonts.smallRed : view.fonts.small;
}

int WavePreview::drawHints(BITMAP* target, const FrameView& view, int top)
{
    // Each in a box of its own, side by side, "H: controls" at the right.
    TextPanel controls;
    TextPanel difficulty;
    if (view.controlsHint)
        controls.add(view.fonts.main, "H: controls");
    if (view.difficultyHint)
        difficulty.add(view.fonts.small, "F2: a new game, Easy or Hard");
    const int controlsLeft = view.controlsHint ? PanelRight - controls.width() : PanelRight + HintGap;
    controls.draw(target, controlsLeft, top);
    difficulty.draw(target, controlsLeft - HintGap - difficulty.width(), top);
    if (!view.controlsHint && !view.difficultyHint)
        return top;
    return top + std::max(controls.height(), difficulty.height()) + HintGap;
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
