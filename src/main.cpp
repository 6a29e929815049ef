// Entry point: read the command line, find the game folder, start the application, play until
// the player quits, and leave.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Config.h"
#include "app/DataFolder.h"
#include "game/CheckpointKeeper.h"
#include "game/RecordFile.h"
#include "game/World.h"
#include "settings/SettingsFile.h"

#include <allegro.h>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifndef SQUIBBLE_VERSION
#define SQUIBBLE_VERSION "unknown"
#endif
#ifndef SQUIBBLE_INSTALLED_DATA
#define SQUIBBLE_INSTALLED_DATA ""
#endif

int main(int argc, char** argv)
{
    // A standard error on a pipe nobody reads: a line that cannot be written is dropped, and the
    // game plays on instead of ending by SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    CommandLine commandLine(SQUIBBLE_VERSION);
    LaunchOptions options;
    const CommandLine::Action action = commandLine.parse(argc, argv, options);
    if (action == CommandLine::Action::Fail) {
        std::fprintf(stderr, "%s\n", commandLine.usageLine().c_str());
        return 2;
    }
    const DataFolder dataFolder = DataFolder::forThisProcess(options.dataFolder, SQUIBBLE_INSTALLED_DATA);
    if (action == CommandLine::Action::ShowHelp)
        return CommandLine::show(commandLine.helpText(dataFolder.describePlaces()), stdout);
    if (action == CommandLine::Action::ShowVersion)
        return CommandLine::show(commandLine.versionText(), stdout);
    // Every path in data/strings.txt is relative to the game folder.
    const auto folder = dataFolder.find();
    if (!folder) {
        std::fprintf(stderr, "squibble-siege: %s\n", dataFolder.notFoundMessage().c_str());
        return 1;
    }
    std::error_code entered;
    std::filesystem::current_path(*folder, entered);
    if (entered) {
        std::fprintf(stderr, "squibble-siege: cannot enter %s: %s\n", folder->c_str(), entered.message().c_str());
        return 1;
    }

    // The settings kept from the last game, with the command line over them for this one only.
    auto settingsFile = std::make_unique<SettingsFile>(SettingsFile::defaultFolder());
    const Settings stored = settingsFile->load();
    LaunchOptions run = options;
    run.scale = stored.scale;
    run.fullscreen = stored.fullscreen;
    run.mute = stored.mute;
    commandLine.parse(argc, argv, run);
    Settings inEffect = stored;
    inEffect.scale = run.scale;
    inEffect.fullscreen = run.fullscreen;
    inEffect.mute = run.mute;
    if (run.difficulty)
        inEffect.difficulty = run.difficulty;

    Application& app = Application::instance();
    app.settings.attach(std::move(settingsFile), stored, inEffect);
    app.sound.setMuted(inEffect.mute);
    app.music.setMuted(inEffect.mute);
    app.sound.setLevel(inEffect.volume);
    app.music.setLevel(inEffect.musicVolume);
    app.initialise(run);
    app.attachWorld(new World());
    app.world->recordStoreFor = [](Difficulty::Level level) {
        return std::make_unique<RecordFile>(RecordFile::defaultFolder(), Config::GamePath, level);
    };
    app.world->runKeeper =
        std::make_unique<CheckpointKeeper>(CheckpointFile(CheckpointFile::defaultFolder(), Config::GamePath));
    app.world->run();
    delete app.detachWorld();
    app.settings.finishWriting();
    return 0;
}
END_OF_MAIN()
