// The balance report: loads a data set headless, lets every scripted strategy play it to the end
// and prints, per strategy, the wave in which the game was lost, the money earned and spent and
// the towers built; with --csv also writes the game of every strategy wave by wave. The figures
// are the game's own statistics.
//
// Usage: balance [--data DIR] [--difficulty NAME] [--mode MODE] [--dt SECONDS] [--tab] [--speed N] [--early]
//                [--waves N] [--seed N] [--csv FILE] [--strategy NAME] [--replays DIR]
//   DIR      the directory holding data/ (default: the working directory)
//   NAME     the difficulty played: Easy, Normal (the default) or Hard
//   SECONDS  frame time of the simulation (default: the shipped "TimestepThreshold"; a whole
//            report then takes about ten seconds, and 1/30 s halves that with the same outcome)
//   --tab    Tab held for the whole game, as a player fast-forwarding
//   --speed  the game-speed step the player chose with F: 1, 2, 4 or 8 (default 1)
//   --early  every strategy also plays a second game in which it calls each wave early (N) as
//            soon as it has nothing left to do in the pause; both games are reported, the second
//            as "NAME+early"
//   MODE     the invaders: classic (the default) or mixed, where the "answer" strategy plays too
//            and each strategy is shown as "NAME (Mixed)"
//   N        the last wave played (default 60) and the random seed (default 1)
//   FILE     where the wave-by-wave figures go, as comma-separated values
//   --replays each strategy's game is kept in DIR as a replay, NAME.sqreplay, for replay-check
//   NAME     the one strategy to play (idle, lasers, lasers-half, mixed, mixed-first, missile-led,
//            missile-led-first, or in the Mixed mode answer); all without
#include "autoplay/HeadlessGame.h"
#include "autoplay/Player.h"
#include "autoplay/Strategy.h"
#include "autoplay/StrategyFactory.h"
#include "autoplay/WaveCsv.h"
#include "control/GameSpeed.h"
#include "difficulty/Difficulty.h"
#include "files/AtomicFile.h"
#include "replay/ReplayFile.h"
#include "files/PlainText.h"
#include "difficulty/GameMode.h"
#include "game/World.h"
#include "towers/TowerKinds.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int DefaultLastWave = 60;
// No wave lasts anywhere near this long; it only bounds a game that stalls.
constexpr double GameSecondsPerWaveLimit = 600.0;

struct Options {
    std::string dataRoot = ".";
    double dt = 0.0; // the shipped frame time
    int lastWave = DefaultLastWave;
    unsigned seed = 1;
    bool fastForward = false;
    int speed = 1;
    bool alsoEarly = false;
    std::string csvPath;
    std::string replayFolder;
    std::string strategy; // empty: every strategy
    Difficulty::Level difficulty = Difficulty::Level::Normal;
    GameMode mode = GameMode::Classic;
};

constexpr const char* Usage =
    "usage: balance [--data DIR] [--difficulty NAME] [--mode MODE] [--dt SECONDS] [--tab] [--speed N] [--early] [--waves N] [--seed N] [--csv FILE] [--strategy NAME] [--replays DIR]\n";

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--tab") {
            options.fastForward = true;
            continue;
        }
        if (flag == "--early") {
            options.alsoEarly = true;
            continue;
        }
        if (i + 1 == argc)
            return false;
        const char* value = argv[++i];
        if (flag == "--data")
            options.dataRoot = value;
        else if (flag == "--dt" && PlainText::realNumber(value).value_or(0.0) > 0.0)
            options.dt = *PlainText::realNumber(value);
        else if (flag == "--speed" && GameSpeed::isStep(std::atoi(value)))
            options.speed = std::atoi(value);
        else if (flag == "--waves")
            options.lastWave = std::atoi(value);
        else if (flag == "--seed")
            options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        else if (flag == "--csv" && *value != '\0')
            options.csvPath = value;
        else if (flag == "--replays" && *value != '\0')
            options.replayFolder = std::filesystem::absolute(value).string();
        else if (flag == "--strategy" && autoplay::makeStrategy(value))
            options.strategy = value;
        else if (flag == "--difficulty" && Difficulty::named(value))
            options.difficulty = *Difficulty::named(value);
        else if (flag == "--mode" && parseGameMode(value))
            options.mode = *parseGameMode(value);
        else
            return false;
    }
    return options.dt >= 0.0 && options.dt <= 1.0 && options.lastWave > 0 &&
           options.lastWave <= 1000;
}

void printRun(const autoplay::RunReport& run, const std::string& name, int nameWidth, double seconds)
{
    char lost[32];
    if (run.lostInWave > 0)
        std::snprintf(lost, sizeof lost, "wave %d", run.lostInWave);
    else
        std::snprintf(lost, sizeof lost, "not lost");
    std::printf("%-*s %-10s %8lld %8lld %8lld %8d %10ld %8.1f\n", nameWidth, name.c_str(), lost, run.moneyEarned,
                run.moneyFromEarlyCalls, run.moneySpent, run.towersBuilt, run.frames, seconds);
}

const std::vector<std::string>& namesPlayed(const Options& options)
{
    return options.mode == GameMode::Classic ? autoplay::strategyNames() : autoplay::mixedModeStrategyNames();
}

// The strategy column: as wide as the longest name shown, "+early" and " (Mixed)" included.
int nameWidth(const Options& options)
{
    std::size_t widest = std::string("strategy").size();
    for (const std::string& name : namesPlayed(options)) {
        std::size_t shown = name.size() + (options.alsoEarly ? std::string("+early").size() : 0);
        if (options.mode != GameMode::Classic)
            shown += std::string(" (").size() + std::string(gameModeName(options.mode)).size() + 1;
        widest = std::max(widest, shown);
    }
    return static_cast<int>(widest);
}

// Which share of the damage each tower kind dealt, under the strategy's row.
void printDamageShares(const StatisticsTotals& totals)
{
    long long total = 0;
    for (long long damage : totals.damageByKind)
        total += damage;
    std::printf("  damage:");
    for (int kind = 0; kind < TowerKinds::Count; ++kind)
        std::printf(" %s %.0f%%", TowerKinds::nameOf(kind),
                    total > 0 ? 100.0 * static_cast<double>(totals.damageByKind[kind]) / static_cast<double>(total) : 0.0);
    std::printf("\n");
}

// One game of a strategy, reported as a row and, with a CSV, wave by wave.
void playOne(const Options& options, const std::string& name, bool callEarly, std::ostream* csv, bool& headerShown)
{
    const auto started = std::chrono::steady_clock::now();
    std::unique_ptr<autoplay::Strategy> strategy = autoplay::makeStrategy(name);
    autoplay::PlayOptions play{options.seed, options.dt, options.fastForward, options.speed, callEarly,
                               options.difficulty, !options.replayFolder.empty(), options.mode};
    autoplay::Player player(*strategy, play);
    if (!headerShown) {
        // Normal's header is the one the report has always had.
        std::string played = options.difficulty == Difficulty::Level::Normal
                                 ? ""
                                 : std::string(", ") + Difficulty::nameOf(options.difficulty);
        if (options.mode != GameMode::Classic)
            played += std::string(", ") + gameModeName(options.mode) + " invaders";
        std::printf("frame time %.4f s%s, speed %dx, seed %u, waves up to %d%s\n", player.frameTime(),
                    options.fastForward ? " with Tab held" : "", options.speed, options.seed, options.lastWave,
                    played.c_str());
        std::printf("%-*s %-10s %8s %8s %8s %8s %10s %8s\n", nameWidth(options), "strategy", "lost in", "earned", "early", "spent",
                    "towers", "frames", "seconds");
        headerShown = true;
    }
    const long maxFrames = static_cast<long>(options.lastWave * GameSecondsPerWaveLimit / player.frameTime());
    player.playUntilLost(options.lastWave, maxFrames);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    const std::string modeName = options.mode == GameMode::Classic ? "" : std::string(" (") + gameModeName(options.mode) + ")";
    const std::string shownName = (callEarly ? name + "+early" : name) + modeName;
    printRun(player.report(), shownName, nameWidth(options), took.count());
    if (options.mode != GameMode::Classic)
        printDamageShares(player.world().statistics.totals());
    if (csv)
        autoplay::writeWaveCsvRows(*csv, Difficulty::nameOf(options.difficulty), shownName, player.waves());
    if (!options.replayFolder.empty()) {
        const std::string path = options.replayFolder + "/" + shownName + ReplayFile::Extension;
        const std::string failed = AtomicFile::write(path, ReplayFile::write(player.replay()));
        if (!failed.empty())
            std::fprintf(stderr, "balance: %s\n", PlainText::safeLine(failed).c_str());
    }
}

void playAll(const Options& options, std::ostream* csv)
{
    if (csv)
        autoplay::writeWaveCsvHeader(*csv);
    bool headerShown = false;
    for (const std::string& name : namesPlayed(options)) {
        if (!options.strategy.empty() && name != options.strategy)
            continue;
        playOne(options, name, false, csv, headerShown);
        if (options.alsoEarly)
            playOne(options, name, true, csv, headerShown);
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fputs(Usage, stderr);
        return 2;
    }
    // Opened before loading the data, which changes the working directory: a relative path is
    // taken from where the tool was started, and a bad one is reported before minutes of play.
    std::ofstream csv;
    if (!options.csvPath.empty()) {
        csv.open(options.csvPath);
        if (!csv) {
            std::fprintf(stderr, "balance: cannot write \"%s\"\n", PlainText::printable(options.csvPath).c_str());
            return 1;
        }
    }
    const std::vector<std::string> problems = autoplay::startHeadless(options.dataRoot);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "balance: %s\n", PlainText::safeLine(problem).c_str());
    if (!problems.empty())
        return 1;
    playAll(options, csv.is_open() ? &csv : nullptr);
    if (csv.is_open()) {
        csv.close();
        if (!csv) {
            std::fprintf(stderr, "balance: writing \"%s\" failed\n", PlainText::printable(options.csvPath).c_str());
            return 1;
        }
    }
    return 0;
}
