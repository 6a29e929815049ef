#include "app/CommandLine.h"

#include <boost/program_options.hpp>

#include <sstream>
#include <utility>

namespace po = boost::program_options;

namespace {

// One line per control; the help shows them in this order.
constexpr const char* Controls[] = {
    "Left click on a build button      choose a tower to place (if you can afford it)",
    "Left click on the field           build the tower being placed, centred on the pointer",
    "Left click on a tower             select it: demolish it or buy an upgrade",
    "Left click on an upgrade button   buy the next level (\"Demolish\" sells for half price)",
    "Right click                       cancel placing or selection",
    "Esc                               open or close the \"Quit Game?\" dialog",
    "D                                 show or hide the debug overlay",
    "M                                 sound off and on",
    "Tab (hold)                        run the game 8 times as fast",
    "P                                 pause or resume (losing the window's focus pauses too)",
    "Enter                             after \"Game Over\", start a new game",
};

po::options_description describe(LaunchOptions& options)
{
    po::options_description described("Options");
    described.add_options()
        ("help", "show this help and leave")
        ("version", "show the version and leave")
        ("data", po::value<std::string>(&options.dataFolder)->value_name("DIR"),
         "the game folder: the one holding data/strings.txt")
        ("scale", po::value<int>(&options.scale)->value_name("N"),
         "a 320N x 240N window, N = 1..8 (default 2: 640 x 480)")
        ("fullscreen", "fill the screen, enlarged by the largest whole factor")
        ("windowed", "play in a window (the default)")
        ("mute", po::bool_switch(&options.mute), "start with the sound off (M turns it on)");
    return described;
}

// "usage: squibble-siege [--help] ... [--scale N] ...", one bracket per option described.
std::string usage()
{
    LaunchOptions unused;
    const po::options_description described = describe(unused);
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
    po::options_description described = describe(options);
    try {
        const po::positional_options_description noPositionals;
        const po::parsed_options parsed =
            po::command_line_parser(argc, argv).options(described).positional(noPositionals).run();
        po::variables_map values;
        po::store(parsed, values);
        po::notify(values);
        if (values.count("help"))
            return Action::ShowHelp;
        if (values.count("version"))
            return Action::ShowVersion;
        if (values.count("data") && options.dataFolder.empty()) {
            problem = "the folder given with --data is empty";
            return Action::Fail;
        }
        // The later of --fullscreen and --windowed wins, so an alias can be overridden.
        for (const po::option& option : parsed.options) {
            if (option.string_key == "fullscreen")
                options.fullscreen = true;
            else if (option.string_key == "windowed")
                options.fullscreen = false;
        }
    } catch (const po::error& fault) {
        problem = fault.what();
        return Action::Fail;
    }
    if (options.scale < MinimumScale || options.scale > MaximumScale) {
        problem = "the scale must be a whole number from 1 to 8";
        return Action::Fail;
    }
    return Action::Play;
}

std::string CommandLine::usageLine() const
{
    return "squibble-siege: " + problem + "; " + usage();
}

std::string CommandLine::helpText(const std::vector<std::string>& dataPlaces) const
{
    LaunchOptions defaults;
    std::ostringstream text;
    text << "Squibble Siege " << version << ": hold the baseline against waves of Squibbles.\n\n"
         << usage() << "\n\n"
         << describe(defaults) << "\nControls (buttons act when released):\n";
    for (const char* control : Controls)
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
