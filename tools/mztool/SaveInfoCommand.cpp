#include "mztool/SaveInfoCommand.h"

#include "app/Application.h"
#include "app/Config.h"
#include "autoplay/HeadlessGame.h"
#include "checkpoint/CheckpointFile.h"
#include "checkpoint/CheckpointText.h"
#include "files/AtomicFile.h"
#include "files/PlainText.h"
#include "game/World.h"
#include "game/WorldCheckpoint.h"
#include "towers/TowerKinds.h"

#include <filesystem>
#include <ostream>

namespace mztool {

namespace {

void describe(const Checkpoint& checkpoint, std::ostream& out)
{
    out << Difficulty::nameOf(checkpoint.difficulty) << ", wave " << checkpoint.waveNumber << ", health " << checkpoint.health << " of " << checkpoint.maxHealth
        << ", money " << checkpoint.money << "\n";
    out << checkpoint.towers.size() << " tower" << (checkpoint.towers.size() == 1 ? "" : "s") << "\n";
    for (const CheckpointTower& tower : checkpoint.towers) {
        out << "  " << TowerKinds::nameOf(tower.kind) << " at " << tower.x << ", upgrade levels";
        for (int level : tower.levels)
            out << " " << level;
        if (tower.aim)
            out << ", aims at " << TargetPriority::nameOf(*tower.aim);
        out << "\n";
    }
    const StatisticsTotals& totals = checkpoint.statistics;
    out << "waves defeated " << totals.wavesDefeated << ", invaders destroyed " << totals.invadersDestroyed
        << ", escaped " << totals.invadersEscaped << "\n";
    out << "money earned " << totals.moneyEarned() << ", spent " << totals.moneySpent() << "\n";
    out << "time played " << totals.timePlayed << " s\n";
}

// Why the data set in the current folder would refuse the checkpoint; empty when it resumes it.
std::string restoreProblem(const Checkpoint& checkpoint)
{
    const std::vector<std::string> problems = autoplay::startHeadless(".");
    if (!problems.empty())
        return "the data set here does not load: " + problems.front();
    Application& app = Application::instance();
    World world;
    app.world = &world;
    world.newGame();
    const std::string problem = WorldCheckpoint::restore(world, checkpoint);
    app.world = nullptr;
    return problem;
}

// Why the game started here would never pick the file up, by its name; empty when it would.
std::string nameProblem(const std::string& path)
{
    const std::string expected = CheckpointFile::nameFor(Config::GamePath);
    const std::string name = std::filesystem::path(path).filename().string();
    if (name == expected)
        return "";
    return "restores with the data set here, but the game never picks it up: it reads " + expected +
           " (named by this data set's checksum), not " + PlainText::printable(name);
}

} // namespace

int saveInfoCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& path = arguments[0];
    const std::string shown = PlainText::printable(path);
    const AtomicFile::ReadResult read = AtomicFile::read(path, CheckpointText::MaxBytes);
    if (read.missing) {
        err << "mztool: " << shown << ": no such file\n";
        return ExitFailure;
    }
    if (!read.error.empty()) {
        out << shown << ": refused: cannot be read: " << PlainText::safeLine(read.error) << "\n";
        return ExitFailure;
    }
    const CheckpointText::Parsed parsed = CheckpointText::parse(*read.text);
    if (!parsed.checkpoint) {
        out << shown << ": refused: " << PlainText::safeLine(parsed.problem) << "\n";
        return ExitFailure;
    }
    describe(*parsed.checkpoint, out);
    if (!std::filesystem::is_regular_file(Config::GamePath)) {
        out << "not checked against a data set (no " << Config::GamePath << " here)\n";
        return ExitSuccess;
    }
    const std::string problem = restoreProblem(*parsed.checkpoint);
    if (!problem.empty()) {
        out << shown << ": refused by the data set here: " << PlainText::safeLine(problem) << "\n";
        return ExitFailure;
    }
    const std::string unnamed = nameProblem(path);
    if (!unnamed.empty()) {
        out << shown << ": " << PlainText::safeLine(unnamed) << "\n";
        return ExitFailure;
    }
    out << "resumes with the data set here\n";
    return ExitSuccess;
}

} // namespace mztool
