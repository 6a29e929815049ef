// Frame benchmarks: update and draw of an empty, a heavy, a fast-forwarded heavy (Tab held: eight
// updates) and a game-over field, presented to a 640 x 480 memory screen, with the heap
// allocations each World::draw makes; and start-up's content loading. Run with bench/run.sh,
// which also prints the ratios against the targets.
#include "app/Application.h"
#include "autoplay/HeadlessGame.h"
#include "bench/AllocationCounter.h"
#include "bench/BenchScene.h"
#include "game/World.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;

// Times whole frames; counts the allocations World::draw makes.
void measureFrames(benchmark::State& state, BenchScene& scene)
{
    std::size_t drawAllocations = 0;
    for (auto _ : state) {
        if (scene.renewWave()) {
            state.PauseTiming();
            scene.update();
            state.ResumeTiming();
        }
        scene.update();
        const std::size_t before = allocations::count();
        scene.world().draw();
        drawAllocations += allocations::count() - before;
    }
    state.counters["draw_allocs"] =
        benchmark::Counter(static_cast<double>(drawAllocations), benchmark::Counter::kAvgIterations);
}

void EmptyFrame(benchmark::State& state)
{
    auto scene = BenchScene::empty();
    measureFrames(state, *scene);
}
BENCHMARK(EmptyFrame)->Unit(benchmark::kMicrosecond);

// Frames of a busy field, reporting how much was in flight at the end.
void measureBusyFrames(benchmark::State& state, BenchScene& scene)
{
    measureFrames(state, scene);
    state.counters["projectiles"] = static_cast<double>(scene.world().projectiles.size());
    state.counters["effects"] = static_cast<double>(scene.world().effects.size());
}

void HeavyFrame(benchmark::State& state)
{
    measureBusyFrames(state, *BenchScene::heavy());
}
BENCHMARK(HeavyFrame)->Unit(benchmark::kMicrosecond);

void FastForwardFrame(benchmark::State& state)
{
    measureBusyFrames(state, *BenchScene::fastForward());
}
BENCHMARK(FastForwardFrame)->Unit(benchmark::kMicrosecond);

void GameOverFrame(benchmark::State& state)
{
    auto scene = BenchScene::gameOver();
    measureFrames(state, *scene);
}
BENCHMARK(GameOverFrame)->Unit(benchmark::kMicrosecond);

void ContentLoading(benchmark::State& state)
{
    for (auto _ : state) {
        const std::vector<std::string> problems = Application::instance().loadContent();
        if (!problems.empty()) {
            state.SkipWithError(problems.front().c_str());
            break;
        }
    }
}
BENCHMARK(ContentLoading)->Unit(benchmark::kMillisecond);

std::string dataRoot()
{
    const char* chosen = std::getenv("SQUIBBLE_DATA_ROOT");
    return chosen ? chosen : SQUIBBLE_SOURCE_DIR;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const std::vector<std::string> problems = autoplay::startHeadless(dataRoot());
    for (const std::string& problem : problems)
        std::fprintf(stderr, "squibble_bench: %s\n", problem.c_str());
    if (!problems.empty())
        return 1;
    // present() stretches the back buffer onto whatever screen is; here a memory bitmap.
    BITMAP* memoryScreen = create_bitmap(ScreenWidth, ScreenHeight);
    screen = memoryScreen;
    benchmark::RunSpecifiedBenchmarks();
    screen = nullptr;
    destroy_bitmap(memoryScreen);
    benchmark::Shutdown();
    return 0;
}
