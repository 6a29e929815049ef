#include "game/WorldCheckpoint.h"

#include "app/Application.h"
#include "app/Field.h"
#include "checkpoint/CheckpointText.h"
#include "checkpoint/RunKeeper.h"
#include "control/TowerActions.h"
#include "game/RunHooks.h"
#include "game/WaveFactory.h"
#include "game/World.h"
#include "towers/Building.h"
#include "towers/TowerKinds.h"

#include <algorithm>
#include <cstdio>
#include <list>
#include <memory>

namespace {

constexpr int FieldWidth = Field::Width;

int pathsOf(const TowerType& type)
{
    return type.upgradeCount > 0 ? type.upgradeCount - 1 : 0;
}

// Why the data set cannot have this tower: a kind it lacks, another number of upgrade paths, a
// level beyond a path's last.
std::string towerProblem(const CheckpointTower& tower, const Application& app)
{
    if (tower.kind < 0 || tower.kind >= static_cast<int>(app.towerTypes.size()) ||
        !app.towerTypes[tower.kind].available)
        return std::string("this data set has no tower kind ") + TowerKinds::nameOf(tower.kind);
    const TowerType& type = app.towerTypes[tower.kind];
    if (static_cast<int>(tower.levels.size()) != pathsOf(type))
        return "has " + std::to_string(tower.levels.size()) + " upgrade paths, the data set's " +
               TowerKinds::nameOf(tower.kind) + " has " + std::to_string(pathsOf(type));
    for (std::size_t path = 0; path < tower.levels.size(); ++path) {
        const int levels = type.upgrades[path + 1].levelCount;
        if (tower.levels[path] > levels)
            return "upgrade path " + std::to_string(path + 1) + " is at level " + std::to_string(tower.levels[path]) +
                   ", the data set's has " + std::to_string(levels);
    }
    return "";
}

} // namespace

Checkpoint WorldCheckpoint::capture(const World& world)
{
    Checkpoint checkpoint;
    checkpoint.waveNumber = world.waveNumber;
    checkpoint.health = world.health;
    checkpoint.maxHealth = world.maxHealth;
    checkpoint.money = world.money;
    checkpoint.difficulty = world.difficulty.level;
    checkpoint.mode = world.gameMode;
    if (world.gameMode == GameMode::Mixed)
        checkpoint.kinds = WaveFactory::kindsOf(world.app->config, world.gameMode, world.waveNumber);
    for (const auto& tower : world.towers) {
        const int paths = pathsOf(world.app->towerTypes[tower->kind]);
        std::vector<int> levels(tower->upgradeLevels.begin(), tower->upgradeLevels.begin() + paths);
        const auto aim = tower->aimChosen ? std::optional(tower->aim) : std::nullopt;
        checkpoint.towers.push_back({tower->kind, tower->x, std::move(levels), *tower->tally, aim});
    }
    checkpoint.statistics = world.statistics.totals();
    return checkpoint;
}

void WorldCheckpoint::keep(const World& world)
{
    if (!world.runKeeper)
        return;
    Checkpoint run = capture(world);
    run.replay = world.hooks->runKept(world);
    world.runKeeper->keep(run);
}

std::string WorldCheckpoint::restore(World& world, const Checkpoint& checkpoint)
{
    Application& app = *world.app;
    const int startingHealth = Difficulty::of(app.config, checkpoint.difficulty).startingHealth;
    if (checkpoint.maxHealth != startingHealth)
        return "starting health " + std::to_string(checkpoint.maxHealth) + " is not this data set's " +
               std::to_string(startingHealth) + " on " + Difficulty::nameOf(checkpoint.difficulty);
    // The coming block is the one this data set would send: a make-up changed since is refused.
    if (checkpoint.mode == GameMode::Mixed &&
        checkpoint.kinds != WaveFactory::kindsOf(app.config, checkpoint.mode, checkpoint.waveNumber))
        return "the kinds of wave " + std::to_string(checkpoint.waveNumber) + " are not this data set's";
    // Each tower is placed as the player placed it, against those standing before it.
    std::list<std::unique_ptr<Building>> towers;
    for (const CheckpointTower& saved : checkpoint.towers) {
        const std::string which = "tower " + std::to_string(towers.size() + 1) + ": ";
        const std::string problem = towerProblem(saved, app);
        if (!problem.empty())
            return which + problem;
        std::unique_ptr<Building> tower = world.createTower(saved.kind);
        const int centre = saved.x + tower->firstFrameWidth() / 2;
        if (centre < 0 || centre >= FieldWidth)
            return which + "stands off the field at " + std::to_string(saved.x);
        if (!TowerActions::fits({app.towerTypes.data(), static_cast<int>(app.towerTypes.size())}, towers, saved.kind, centre))
            return which + "overlaps another";
        tower->place(saved.x);
        for (std::size_t path = 0; path < saved.levels.size(); ++path)
            for (int level = 0; level < saved.levels[path]; ++level)
                tower->upgrade(static_cast<int>(path));
        *tower->tally = saved.tally;
        // A rule the tower cannot be stepped to (the laser turret's without its launcher) is refused.
        const std::vector<TargetPriority::Rule>& choices = tower->aimChoices();
        if (saved.aim && *saved.aim != tower->aim &&
            std::find(choices.begin(), choices.end(), *saved.aim) == choices.end())
            return which + TowerKinds::nameOf(saved.kind) + " cannot aim at " + TargetPriority::nameOf(*saved.aim);
        tower->aim = saved.aim.value_or(tower->aim);
        tower->aimChosen = saved.aim.has_value();
        towers.push_back(std::move(tower));
    }
    world.gameMode = checkpoint.mode;
    world.setDifficulty(checkpoint.difficulty);
    world.playAgain();
    const std::optional<Difficulty::Level> chosen = app.settings.inEffect().difficulty;
    if (chosen && *chosen != checkpoint.difficulty)
        std::fprintf(stderr, "squibble-siege: the kept run goes on at %s; %s applies from the next new game\n",
                     Difficulty::nameOf(checkpoint.difficulty), Difficulty::nameOf(*chosen));
    world.towers = std::move(towers);
    world.waveNumber = checkpoint.waveNumber;
    world.health = checkpoint.health;
    world.maxHealth = checkpoint.maxHealth;
    world.money = checkpoint.money;
    world.statistics.restore(checkpoint.statistics);
    world.paused = true;
    world.resumed = true;
    world.hooks->resumed(world, checkpoint);
    return "";
}
