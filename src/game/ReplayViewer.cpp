#include "game/ReplayViewer.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "app/Config.h"
#include "app/WindowEvents.h"
#include "assets/BitmapFont.h"
#include "control/GameSpeed.h"
#include "files/DataSetChecksum.h"
#include "game/FrameStepper.h"
#include "game/ReplayRunner.h"
#include "hud/CaptionBox.h"
#include "replay/GameVersion.h"
#include "replay/ReplayFile.h"
#include "files/PlainText.h"

#include <allegro.h>

namespace {

constexpr int CaptionX = 4;
constexpr int CaptionY = 4;
constexpr int CaptionWidth = 150;
constexpr int CaptionHeight = 9;

struct ViewerState {
    int speed = 1;
    bool paused = false;
    bool quit = false;
};

void drawCaption(const Application& app, BITMAP* target, const ViewerState& state, long long frame, long long frames,
                 bool ended)
{
    CaptionBox::box(target, CaptionX - CaptionBox::Padding, CaptionY - CaptionBox::Padding, CaptionWidth,
                    CaptionHeight, false, false);
    const char* status = ended ? "ended" : state.paused ? "paused" : "";
    drawTextf(app.fontSmall.get(), target, CaptionX, CaptionY, "Replay x%d step %lld/%lld %s", state.speed, frame,
              frames, status);
}

void readKeys(InputSource& keys, ViewerState& state)
{
    for (int key = keys.nextKey(); key >= 0; key = keys.nextKey()) {
        if (key == KEY_F)
            state.speed = GameSpeed::next(state.speed);
        else if (key == KEY_P)
            state.paused = !state.paused;
        else if (key == KEY_ESC)
            state.quit = true;
    }
}

} // namespace

std::string ReplayViewer::load(const std::string& path, Replay& replay)
{
    ReplayFile::Parsed parsed = ReplayFile::read(path);
    if (!parsed.replay)
        return parsed.problem;
    const std::string refusal = ReplayCheck::refusal(*parsed.replay, GameVersion::text(),
                                                     DataSetChecksum::of(Config::GamePath), FrameStepper::LongestStep);
    if (!refusal.empty())
        return refusal;
    replay = std::move(*parsed.replay);
    return "";
}

int ReplayViewer::watch(Application& app, const Replay& replay, std::FILE* out)
{
    AllegroInput keys;
    ViewerState state;
    ReplayRunner runner(app, replay);
    runner.setOverlay([&](BITMAP* target) {
        drawCaption(app, target, state, runner.framesPlayed() + 1, replay.totalFrames(), false);
    });
    bool reported = false;
    while (!state.quit && !WindowEvents::closeRequested()) {
        app.waitForFrameTime();
        readKeys(keys, state);
        const int frames = state.paused ? 0 : GameSpeed::of(keys.keyHeld(KEY_TAB), state.speed);
        int played = 0;
        while (played < frames && runner.playFrame())
            ++played;
        if (played == 0) {
            drawCaption(app, app.backBuffer->bitmap, state, runner.framesPlayed(), replay.totalFrames(), runner.finished());
            app.backBuffer->present();
        }
        if (runner.finished() && !reported) {
            const ReplayOutcome outcome = runner.outcome();
            std::fprintf(out, "replay ended after %lld frames: %s%s\n", outcome.frames,
                         ReplayCheck::describe(outcome.end).c_str(), outcome.gameOver ? " (game over)" : "");
            const std::string difference = ReplayCheck::firstDifference(replay, outcome);
            std::fprintf(out, "%s\n", difference.empty() ? "the recorded result" : PlainText::safeLine(difference).c_str());
            std::fflush(out);
            reported = true;
        }
    }
    // No window callback may still reach the replay's World as it goes.
    WindowEvents::close();
    return 0;
}
