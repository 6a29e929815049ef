// Entry point: read the command line, find the game folder, start the application, play until
// the player quits, and leave.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Config.h"
#include "app/DataFolder.h"
#include "app/DesktopWindow.h"
#include "checkpoint/CheckpointKeeper.h"
#include "files/DataSetChecksum.h"
#include "files/PlainText.h"
#include "game/ReplayViewer.h"
#include "game/RunRecording.h"
#include "game/World.h"
#include "records/RecordFile.h"
#include "replay/GameVersion.h"
#include "replay/Replay.h"
#include "replay/ReplayShelf.h"
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
        std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(dataFolder.notFoundMessage()).c_str());
        return 1;
    }
    std::error_code entered;
    // The replay is named from where the game was started, not from the game folder.
    const std::string replayPath =
        options.replayFile.empty() ? "" : std::filesystem::absolute(options.replayFile, entered).string();
    std::filesystem::current_path(*folder, entered);
    if (entered) {
        std::fprintf(stderr, "squibble-siege: cannot enter %s: %s\n", PlainText::printable(folder->string()).c_str(),
                     entered.message().c_str());
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
    if (run.mode)
        inEffect.mode = run.mode;

    Replay replay;
    if (!replayPath.empty()) {
        const std::string refusal = ReplayViewer::load(replayPath, replay);
        if (!refusal.empty()) {
            std::fprintf(stderr, "squibble-siege: %s: %s\n", PlainText::printable(options.replayFile).c_str(),
                         PlainText::safeLine(refusal).c_str());
            return 1;
        }
        // Watching changes none of the player's settings.
        settingsFile.reset();
    }
    Application& app = Application::instance();
    app.settings.attach(std::move(settingsFile), stored, inEffect);
    app.sound.setMuted(inEffect.mute);
    app.music.setMuted(inEffect.mute);
    app.sound.setLevel(inEffect.volume);
    app.music.setLevel(inEffect.musicVolume);
    app.initialise(run);
    if (!replayPath.empty())
        return ReplayViewer::watch(app, replay, stdout);
    app.attachWorld(new World());
    app.world->hooks = std::make_unique<RunRecording>(
        app, RunRecording::Identity{GameVersion::text(), DataSetChecksum::of(Config::GamePath)},
        std::make_unique<ReplayShelf>(ReplayShelf::defaultFolder()));
    app.world->recordStoreFor = [](GameMode mode, Difficulty::Level level) {
        return std::make_unique<RecordFile>(RecordFile::defaultFolder(), Config::GamePath, mode, level);
    };
    app.world->runKeeper =
        std::make_unique<CheckpointKeeper>(CheckpointFile(CheckpointFile::defaultFolder(), Config::GamePath));
    app.world->run();
    delete app.detachWorld();
    app.settings.finishWriting();
    DesktopWindow::closeDone();
    return 0;
}
END_OF_MAIN()
