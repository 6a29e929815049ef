// Replay benchmarks: what recording costs a frame (its time and its heap allocations, which must
// be none), and how many times faster than real time replay-check plays a recorded game.
#include "app/Application.h"
#include "app/ScreenLayout.h"
#include "autoplay/MixedStrategy.h"
#include "autoplay/Player.h"
#include "autoplay/ScriptedInput.h"
#include "bench/AllocationCounter.h"
#include "game/ReplayRunner.h"
#include "replay/RecordingInput.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr double FrameSeconds = 1.0 / 60.0;
constexpr long RecordedFrames = 20000;

// One frame's reads as the game makes them: the pointer sample, Tab, the frame clock, and per
// step a key, Enter and the window's pause; the pointer moves and the clock wobbles as in play.
void RecordingFrame(benchmark::State& state)
{
    const ScreenLayout layout;
    auto scripted = std::make_unique<ScriptedInput>();
    ScriptedInput& live = *scripted;
    RecordingInput recording(std::move(scripted), layout);
    long frame = 0;
    std::size_t frameAllocations = 0;
    for (auto _ : state) {
        const std::size_t before = allocations::count();
        live.windowX = static_cast<int>(frame % 640);
        live.buttons = frame % 90 == 0 ? 1 : 0;
        recording.mouseX();
        recording.mouseY();
        recording.mouseButtons();
        recording.keyHeld(KEY_TAB);
        benchmark::DoNotOptimize(recording.frame(FrameSeconds + (frame % 3) * 0.00004, 1));
        benchmark::DoNotOptimize(recording.nextKey());
        recording.keyHeld(KEY_ENTER);
        recording.pauseTaken(false);
        frameAllocations += allocations::count() - before;
        ++frame;
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(frameAllocations), benchmark::Counter::kAvgIterations);
}
BENCHMARK(RecordingFrame)->Unit(benchmark::kNanosecond);

// A mixed strategy's game of RecordedFrames frames (about five and a half minutes), checked as
// replay-check checks it.
void ReplayCheckSpeed(benchmark::State& state)
{
    autoplay::MixedStrategy strategy;
    autoplay::PlayOptions options;
    options.dt = FrameSeconds;
    options.recordReplay = true;
    Replay replay;
    {
        autoplay::Player player(strategy, options);
        player.playUntilLost(1000, RecordedFrames);
        replay = player.replay();
    }
    double checkedSeconds = 0.0;
    long long differing = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        ReplayRunner runner(Application::instance(), replay);
        runner.drawn = false;
        differing += ReplayCheck::firstDifference(replay, runner.playToEnd()).empty() ? 0 : 1;
        checkedSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }
    const double gameSeconds = static_cast<double>(replay.frames) * FrameSeconds * state.iterations();
    state.counters["times_real_time"] = gameSeconds / checkedSeconds;
    state.counters["frames"] = static_cast<double>(replay.frames);
    state.counters["waves"] = static_cast<double>(replay.waves.size());
    // Any but 0 means the check itself failed.
    state.counters["differing"] = static_cast<double>(differing);
}
BENCHMARK(ReplayCheckSpeed)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
