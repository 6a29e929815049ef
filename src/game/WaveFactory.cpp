#include "game/WaveFactory.h"

#include "app/Application.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/KindContext.h"
#include "invaders/MixedBlock.h"
#include "invaders/SquibbleWave.h"
#include "invaders/WaveMakeUp.h"

std::unique_ptr<Wave> WaveFactory::create(World& world, KindEvents& events)
{
    if (world.gameMode == GameMode::Classic)
        return std::make_unique<SquibbleWave>(SquibbleWave::sizeFor(world.waveNumber));
    const KindContext context{world.app->invaderTypes.data(), world.waveNumber, world.difficulty, &events};
    return std::make_unique<SquibbleWave>(MixedBlock::form(kindsOf(world.app->config, world.gameMode, world.waveNumber), context));
}

std::vector<int> WaveFactory::kindsOf(Config& config, GameMode mode, int waveNumber)
{
    const int count = SquibbleWave::sizeFor(waveNumber);
    if (mode == GameMode::Classic)
        return std::vector<int>(static_cast<std::size_t>(count), InvaderKinds::SquibbleKind);
    return WaveMakeUp::read(config).kindsFor(waveNumber, count);
}
