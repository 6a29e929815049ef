#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Parsed {
    CommandLine::Action action;
    LaunchOptions options;
    std::string error;
};

Parsed parse(std::initializer_list<const char*> arguments)
{
    std::vector<const char*> argv{"squibble-siege"};
    argv.insert(argv.end(), arguments);
    CommandLine commandLine("9.8.7");
    Parsed parsed{CommandLine::Action::Fail, LaunchOptions(), ""};
    parsed.action = commandLine.parse(static_cast<int>(argv.size()), argv.data(), parsed.options);
    parsed.error = commandLine.usageLine();
    return parsed;
}

} // namespace

TEST(CommandLine, NoArgumentsPlayTheSpecifiedWindow)
{
    const Parsed parsed = parse({});
    EXPECT_EQ(parsed.action, CommandLine::Action::Play);
    EXPECT_EQ(parsed.options.scale, 2);
    EXPECT_FALSE(parsed.options.fullscreen);
    EXPECT_TRUE(parsed.options.dataFolder.empty());
    EXPECT_FALSE(parsed.options.mute);
    EXPECT_FALSE(parsed.options.difficulty) << "the settings' difficulty plays";
}

TEST(CommandLine, ReadsEveryOptionInBothSpellings)
{
    Parsed parsed = parse({"--data", "/opt/game", "--scale", "3", "--fullscreen"});
    ASSERT_EQ(parsed.action, CommandLine::Action::Play);
    EXPECT_EQ(parsed.options.dataFolder, "/opt/game");
    EXPECT_EQ(parsed.options.scale, 3);
    EXPECT_TRUE(parsed.options.fullscreen);
    EXPECT_FALSE(parsed.options.mute);
    EXPECT_TRUE(parsed.options.music);
    parsed = parse({"--data=here", "--scale=8", "--mute", "--difficulty", "Easy", "--difficulty=hard", "--no-music",
                    "--mode", "mixed"});
    ASSERT_EQ(parsed.action, CommandLine::Action::Play);
    EXPECT_EQ(parsed.options.mode, GameMode::Mixed);
    EXPECT_EQ(parsed.options.difficulty, Difficulty::Level::Hard);
    EXPECT_TRUE(parsed.options.mute);
    EXPECT_FALSE(parsed.options.music);
    EXPECT_EQ(parsed.options.dataFolder, "here");
    EXPECT_EQ(parsed.options.scale, 8);
}

TEST(CommandLine, EveryOptionMayRepeatAndTheLastWins)
{
    EXPECT_FALSE(parse({"--fullscreen", "--windowed"}).options.fullscreen);
    EXPECT_TRUE(parse({"--windowed", "--fullscreen"}).options.fullscreen);
    const Parsed parsed = parse({"--windowed", "--fullscreen", "--windowed", "--scale", "3", "--scale=5", "--data",
                                 "a", "--data=b", "--mute", "--mute", "--version", "--version"});
    EXPECT_EQ(parsed.action, CommandLine::Action::ShowVersion) << parsed.error;
    EXPECT_EQ(std::tuple(parsed.options.fullscreen, parsed.options.scale, parsed.options.dataFolder), std::tuple(false, 5, "b"));
}

TEST(CommandLine, HelpAndVersionWinOverEverythingValid)
{
    EXPECT_EQ(parse({"--scale", "4", "--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(parse({"--help", "--bogus"}).action, CommandLine::Action::Fail);
}

TEST(CommandLine, RejectsUnknownOptionsAndBadValues)
{
    for (auto arguments : std::vector<std::vector<const char*>>{
             {"--bogus"}, {"stray"}, {"--scale"}, {"--scale", "0"}, {"--scale", "9"}, {"--scale", "-2"},
             {"--scale", "2.5"}, {"--scale", "two"}, {"--scale", "99999999999999999999"}, {"--data"},
             {"--data", ""}, {"--fullscreen=yes"}, {"--mute=no"}, {"--no-music=1"}, {"--s", "3"}, {"--full"}, {"--scale", "3", "--data"},
             {"--data", "a", "--data="}, {"--scale", "+3"}, {"--scale", " 3"},
             {"--difficulty", "Medium"}, {"--difficulty", ""}, {"--difficulty"}, {"--mode", "arcade"}, {"--mode"}}) {
        std::vector<const char*> argv{"squibble-siege"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        CommandLine commandLine("1");
        LaunchOptions options;
        EXPECT_EQ(commandLine.parse(static_cast<int>(argv.size()), argv.data(), options), CommandLine::Action::Fail)
            << arguments.front();
        const std::string line = commandLine.usageLine();
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_NE(line.find("usage: squibble-siege"), std::string::npos) << line;
        EXPECT_FALSE(commandLine.error().empty());
    }
}

TEST(CommandLine, HelpNamesOptionsControlsAndDataPlaces)
{
    CommandLine commandLine("9.8.7");
    const std::string help = commandLine.helpText({"working directory: /tmp/here", "installed: /usr/share/x"});
    for (const char* expected : {"9.8.7", "--data", "--scale", "--difficulty", "--fullscreen", "--windowed", "--version",
                                 "Right click", "Tab", "Enter", "Quit Game?", "/tmp/here", "/usr/share/x",
                                 "SQUIBBLE_SIEGE_DATA"})
        EXPECT_NE(help.find(expected), std::string::npos) << expected;
    EXPECT_EQ(commandLine.versionText(), "squibble-siege 9.8.7\n");
    for (const auto& [device, status] : {std::pair{"/dev/full", 1}, std::pair{"/dev/null", 0}}) { // a full disk fails
        std::FILE* out = std::fopen(device, "w");
        EXPECT_EQ(CommandLine::show(commandLine.versionText(), out), status) << device;
        std::fclose(out);
    }
}
