#include "game/CheckpointKeeper.h"

#include "game/WorldCheckpoint.h"

#include <cstdio>

CheckpointKeeper::CheckpointKeeper(CheckpointFile file)
    : file(std::move(file))
{
}

void CheckpointKeeper::resume(World& world)
{
    const CheckpointFile::Loaded loaded = file.load();
    if (loaded.missing)
        return;
    if (!loaded.checkpoint) {
        refuse(loaded.problem);
        return;
    }
    const std::string problem = WorldCheckpoint::restore(world, *loaded.checkpoint);
    if (!problem.empty())
        refuse(problem);
}

void CheckpointKeeper::keep(const World& world)
{
    file.save(WorldCheckpoint::capture(world));
}

void CheckpointKeeper::forget()
{
    file.remove();
}

void CheckpointKeeper::refuse(const std::string& problem)
{
    const std::string bad = file.setAside();
    const std::string where = bad.empty() ? "left in place (it cannot be moved)" : "moved to " + bad;
    std::fprintf(stderr, "squibble-siege: checkpoint %s refused (%s); %s; starting a new game\n", file.path().c_str(),
                 problem.c_str(), where.c_str());
}
