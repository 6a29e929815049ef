#include "hud/WavePreview.h"

#include "app/Application.h"
#include "game/World.h"
#include "hud/TextPanel.h"
#include "invaders/Squibble.h"
#include "invaders/SquibbleWave.h"
#include "invaders/Wave.h"

#include <cmath>

namespace {

constexpr int PanelRight = 318;
constexpr int PanelY = 2;

} // namespace

WavePreview::WavePreview(const World& world)
    : world(world)
{
}

void WavePreview::draw(BITMAP* target) const
{
    if (world.gameOver)
        return;
    const Application& app = *world.app;
    TextPanel panel;
    const int wave = world.waveNumber;
    if (world.currentWave) {
        panel.add(app.fontMain.get(), "Wave %d", wave);
        panel.add(app.fontSmall.get(), "%d left", static_cast<int>(world.currentWave->invaders.size()));
    } else if (world.waitingForWave()) {
        if (speedWave != wave || speedLevel != world.difficulty.level) {
            speed = SquibbleWave::speedFor(wave, world.difficulty);
            speedWave = wave;
            speedLevel = world.difficulty.level;
        }
        panel.add(app.fontMain.get(), "Wave %d in %.0fs", wave, std::ceil(world.waveTimer));
        panel.add(app.fontSmall.get(), "%d invaders, %d health each", SquibbleWave::sizeFor(wave),
                  Squibble::healthFor(wave, world.difficulty));
        panel.add(app.fontSmall.get(), "Speed %.1f px/s", speed);
        // Offered only while N would answer.
        const int bonus = world.earlyCallBonus();
        if (bonus > 0)
            panel.add(app.fontSmall.get(), "N: call it now, +$%d", bonus);
        else if (world.mayCallNextWave())
            panel.add(app.fontSmall.get(), "N: call it now");
    }
    panel.draw(target, PanelRight - panel.width(), PanelY);
}
