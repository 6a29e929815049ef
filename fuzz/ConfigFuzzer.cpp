// Fuzzes the configuration: the input is a strings.txt text, loaded over the shipped pictures the
// way start-up loads it. Where it loads, the scripted player plays a short game headless, the last
// stretch of it fast-forwarded as with Tab held. Nothing may crash, trip a sanitizer, allocate
// without bound or take long.
#include "FuzzInput.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "autoplay/MixedStrategy.h"
#include "autoplay/Player.h"
#include "game/World.h"

#include <allegro.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int BackBufferWidth = 320;
constexpr int BackBufferHeight = 240;
constexpr double FrameTime = 1.0 / 60.0;
// Two seconds of play at 60 frames a second, then a quarter second of frames with Tab held (two
// seconds of game time in as many updates): enough for the first wave to come, towers to be built
// and to fire.
constexpr long NormalFrames = 120;
constexpr long FastFrames = 15;
// Frames drawn once the game is over: the grey field, its caption and the quit dialog.
constexpr long GameOverFrames = 3;
constexpr int AnyWave = 1000;

} // namespace

// The shipped pictures are found from the source root, which run.sh hands over.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    const char* root = std::getenv("SQUIBBLE_SOURCE_ROOT");
    if (!root || chdir(root) != 0)
        fuzzinput::fail("SQUIBBLE_SOURCE_ROOT must name the source root, which holds data/");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzinput::startLibrary();
    Application& app = Application::instance();
    if (!app.backBuffer)
        app.backBuffer = std::make_unique<BackBuffer>(BackBufferWidth, BackBufferHeight);
    app.config.clear();
    app.config.loadFromText(std::string(reinterpret_cast<const char*>(data), size));
    app.minFrameTime = app.config.getDouble("TimestepThreshold");
    if (!app.loadContent().empty())
        return 0; // start-up would stop here with its message

    autoplay::MixedStrategy strategy;
    autoplay::PlayOptions options;
    options.dt = FrameTime;
    options.seed = size > 0 ? data[0] : 1;
    autoplay::Player player(strategy, options);
    player.playUntilLost(AnyWave, NormalFrames);
    // Fast forward: Tab held, so each frame runs as eight steps through the game's own stepping.
    player.holdTab(true);
    player.playUntilLost(AnyWave, FastFrames);
    player.playFrames(GameOverFrames);
    return 0;
}
