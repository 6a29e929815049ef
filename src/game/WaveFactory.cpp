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
    return std::make_unique<SquibbleWave>(MixedBlock::form(kindsOf(world), context));
}

std::vector<int> WaveFactory::kindsOf(const World& world)
{
    const int count = SquibbleWave::sizeFor(world.waveNumber);
    if (world.gameMode == GameMode::Classic)
        return std::vector<int>(static_cast<std::size_t>(count), InvaderKinds::SquibbleKind);
    return WaveMakeUp::read(world.app->config).kindsFor(world.waveNumber, count);
}
