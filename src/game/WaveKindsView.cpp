#include "game/WaveKindsView.h"

#include "app/Application.h"
#include "game/WaveFactory.h"
#include "game/World.h"
#include "hud/FrameView.h"
#include "invaders/WaveMakeUp.h"

void WaveKindsView::fill(FrameView& view, const World& world)
{
    if (world.gameMode != GameMode::Mixed)
        return;
    if (wave != world.waveNumber || mode != world.gameMode) {
        wave = world.waveNumber;
        mode = world.gameMode;
        counts.fill(0);
        for (int kind : WaveFactory::kindsOf(world.app->config, mode, wave))
            if (InvaderKinds::exists(kind))
                ++counts[kind];
        firstSeen = WaveMakeUp::read(world.app->config).newIn(wave);
    }
    view.invaderTypes = world.app->invaderTypes.data();
    view.kindCounts = counts;
    view.firstSeen = firstSeen;
}
