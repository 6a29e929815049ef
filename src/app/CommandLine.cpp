#include "app/CommandLine.h"

#include "app/ScreenLayout.h"
#include "files/PlainText.h"
#include "control/ControlTable.h"

#include <boost/program_options.hpp>

#include <cerrno>
#include <cstring>

#include <sstream>
#include <utility>

namespace po = boost::program_options;

namespace {

po::options_description describe()
{
    po::options_description described("Options");
    described.add_options()
        ("help", "show this help and leave")
        ("version", "show the version and leave")
        ("data", po::value<std::string>()->value_name("DIR"), "the game folder: the one holding data/strings.txt")
        ("scale", po::value<std::string>()->value_name("N"), "a 320N x 240N window, N = 1..8 (default 2: 640 x 480)")
        ("fullscreen", "fill the screen, enlarged by the largest whole factor")
        ("windowed", "play in a window (the default)")
        ("mute", "start with the sound off (M turns it on)")
        ("no-music", "play without music (this game only)")
        ("difficulty", po::value<std::string>()->value_name("NAME"),
         "play at Easy, Normal or Hard without keeping it (F2 chooses and keeps one)")
        ("replay", po::value<std::string>()->value_name("FILE"),
         "watch a kept run again (F speed, Tab fast-forward, P pause, Esc quit)")
        ("mode", po::value<std::string>()->value_name("MODE"),
         "play classic or mixed invaders without keeping it (F2 chooses and keeps one)");
    return described;
}

// Only whole option names: the parser's guessing would take "--s" for "--scale".
constexpr int Style = po::command_line_style::default_style & ~po::command_line_style::allow_guessing;

// The scale as written: digits only, in range.
bool readScale(const std::string& text, int& scale)
{
    const std::optional<long long> value =
        PlainText::wholeNumber(text, ScreenLayout::MinimumScale, ScreenLayout::MaximumScale);
    if (value)
        scale = static_cast<int>(*value);
    return value.has_value();
}

// "usage: squibble-siege [--help] ... [--scale N] ...", one bracket per option described.
std::string usage()
{
    const po::options_description described = describe();
    std::string line = "usage: squibble-siege";
    for (const auto& option : described.options()) {
        const std::string parameter = option->format_parameter();
        line += " [" + option->format_name() + (parameter.empty() ? "" : " " + parameter) + "]";
    }
    return line;
}

} // namespace

CommandLine::CommandLine(std::string version)
    : version(std::move(version))
{
}

CommandLine::Action CommandLine::parse(int argc, const char* const argv[], LaunchOptions& options)
{
    problem.clear();
    po::parsed_options parsed(nullptr);
    try {
        const po::positional_options_description noPositionals;
        parsed = po::command_line_parser(argc, argv).options(describe()).positional(noPositionals).style(Style).run();
    } catch (const po::error& fault) {
        problem = fault.what();
        return Action::Fail;
    }
    // Every option may repeat and the last one wins, so a shell alias can be overridden.
    bool help = false;
    bool showVersion = false;
    bool dataGiven = false;
    for (const po::option& option : parsed.options) {
        const std::string& key = option.string_key;
        const std::string value = option.value.empty() ? "" : option.value.back();
        if (key == "help")
            help = true;
        else if (key == "version")
            showVersion = true;
        else if (key == "fullscreen" || key == "windowed")
            options.fullscreen = key == "fullscreen";
        else if (key == "mute")
            options.mute = true;
        else if (key == "no-music")
            options.music = false;
        else if (key == "data") {
            options.dataFolder = value;
            dataGiven = true;
        } else if (key == "difficulty") {
            options.difficulty = Difficulty::named(value);
            if (!options.difficulty)
                problem = "the difficulty must be Easy, Normal or Hard";
        } else if (key == "replay") {
            options.replayFile = value;
            if (value.empty())
                problem = "the replay file given with --replay is empty";
        } else if (key == "mode") {
            options.mode = parseGameMode(value);
            if (!options.mode)
                problem = "the mode must be classic or mixed";
        } else if (key == "scale" && !readScale(value, options.scale)) {
            problem = "the scale must be a whole number from " + std::to_string(ScreenLayout::MinimumScale) +
                      " to " + std::to_string(ScreenLayout::MaximumScale);
        }
    }
    if (problem.empty() && dataGiven && options.dataFolder.empty())
        problem = "the folder given with --data is empty";
    if (!problem.empty())
        return Action::Fail;
    if (help)
        return Action::ShowHelp;
    if (showVersion)
        return Action::ShowVersion;
    return Action::Play;
}

std::string CommandLine::usageLine() const
{
    return "squibble-siege: " + problem + "; " + usage();
}

std::string CommandLine::helpText(const std::vector<std::string>& dataPlaces) const
{
    std::ostringstream text;
    text << "Squibble Siege " << version << ": hold the baseline against waves of Squibbles.\n\n"
         << usage() << "\n\n"
         << describe() << "\nControls (buttons act when released):\n";
    for (const std::string& control : ControlTable::describe())
        text << "  " << control << "\n";
    text << "\nThe game folder is the first of these that holds data/strings.txt\n"
         << "(a folder given with --data or SQUIBBLE_SIEGE_DATA is the only one tried):\n";
    for (const std::string& place : dataPlaces)
        text << "  " << place << "\n";
    return text.str();
}

std::string CommandLine::versionText() const
{
    return "squibble-siege " + version + "\n";
}

int CommandLine::show(const std::string& text, std::FILE* out)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (written && std::fflush(out) == 0)
        return 0;
    std::fprintf(stderr, "squibble-siege: cannot write to standard output: %s\n", std::strerror(errno));
    return 1;
}
