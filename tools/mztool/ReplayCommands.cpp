#include "mztool/ReplayCommands.h"

#include "app/Application.h"
#include "app/Config.h"
#include "autoplay/HeadlessGame.h"
#include "files/AtomicFile.h"
#include "files/DataSetChecksum.h"
#include "game/FrameStepper.h"
#include "game/ReplayRunner.h"
#include "replay/GameVersion.h"
#include "replay/ReplayFile.h"
#include "files/PlainText.h"

#include <ostream>

namespace mztool {

namespace {

// The replay in the file, or none after a line on err (exit status in status).
std::optional<Replay> readReplay(const std::string& path, std::ostream& out, std::ostream& err, bool tape)
{
    std::string bytes;
    std::string why;
    if (!AtomicFile::read(path, ReplayFile::MaxBytes).take(bytes, why)) {
        err << "mztool: " << PlainText::printable(path) << ": " << PlainText::safeLine(why) << "\n";
        return std::nullopt;
    }
    ReplayFile::Parsed parsed = tape ? ReplayFile::parse(bytes) : ReplayFile::parseHeader(bytes);
    if (!parsed.replay)
        out << PlainText::printable(path) << ": refused: " << PlainText::safeLine(parsed.problem) << "\n";
    return std::move(parsed.replay);
}

} // namespace

int replayInfoCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<Replay> replay = readReplay(arguments[0], out, err, true);
    if (!replay)
        return ExitFailure;
    out << "replay format " << replay->formatVersion << ", game " << replay->gameVersion << "\n";
    out << "data set " << replay->dataChecksum << ", seed " << replay->seed << "\n";
    out << replay->difficulty << ", mode " << replay->mode << ", step " << replay->stepLength << " s\n";
    out << "waves defeated " << replay->waves.size() << (replay->gameOver ? ", game over" : ", left unfinished")
        << "\n";
    out << "at the end: " << ReplayCheck::describe(replay->end) << "\n";
    std::size_t tape = replay->tape.size();
    for (const ReplayPart& part : replay->resumed)
        tape += part.tape.size();
    out << replay->totalFrames() << " frames, tape " << tape << " bytes";
    if (!replay->resumed.empty())
        out << ", closed and resumed " << replay->resumed.size() << (replay->resumed.size() == 1 ? " time" : " times");
    out << "\n";
    if (!replay->start.empty())
        out << "starts from a kept run (its earlier part was not kept)\n";
    return ExitSuccess;
}

int replayCheckCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<Replay> replay = readReplay(arguments[0], out, err, true);
    if (!replay)
        return ExitFailure;
    const std::vector<std::string> problems = autoplay::startHeadless(".");
    if (!problems.empty()) {
        err << "mztool: the data set here does not load: " << PlainText::safeLine(problems.front()) << "\n";
        return ExitFailure;
    }
    const std::string refusal = ReplayCheck::refusal(*replay, GameVersion::text(),
                                                     DataSetChecksum::of(Config::GamePath), FrameStepper::LongestStep);
    if (!refusal.empty()) {
        out << PlainText::printable(arguments[0]) << ": refused: " << PlainText::safeLine(refusal) << "\n";
        return ExitFailure;
    }
    ReplayOutcome outcome;
    {
        ReplayRunner runner(Application::instance(), *replay);
        runner.drawn = false;
        outcome = runner.playToEnd();
    }
    const std::string difference = ReplayCheck::firstDifference(*replay, outcome);
    if (!difference.empty()) {
        out << PlainText::printable(arguments[0]) << ": " << PlainText::safeLine(difference) << "\n";
        return ExitFailure;
    }
    out << PlainText::printable(arguments[0]) << ": matches: " << ReplayCheck::describe(outcome.end) << (outcome.gameOver ? " (game over)" : "")
        << "\n";
    return ExitSuccess;
}

} // namespace mztool
