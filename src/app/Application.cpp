#include "app/Application.h"

#include "app/BackBuffer.h"
#include "app/ContentLoader.h"
#include "app/GameWindow.h"
#include "assets/BitmapFont.h"
#include "audio/AllegroSoundOutput.h"
#include "assets/MzImage.h"
#include "assets/SpriteSheet.h"
#include "game/World.h"

#include <allegro.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* ConfigPath = "data/strings.txt";
// The longest minimum frame time the clock keeps to: a longer one (or one that is not a number)
// would leave the player looking at a still picture.
constexpr double LongestFrameThreshold = 1.0;
// The longest single sleep of the frame wait, so that the close button and the mouse buttons are
// answered promptly however long the frame.
constexpr double LongestSleep = 0.05;

[[noreturn]] void failStartup(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: %s\n", message.c_str());
    std::exit(1);
}

std::string workingDirectory()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : "(unknown)";
}

} // namespace

Application& Application::instance()
{
    static Application* application = new Application();
    return *application;
}

Application::Application()
    : inputSource(std::make_unique<AllegroInput>())
{
    sleepMilliseconds = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
}

std::vector<std::string> Application::loadContent()
{
    return ContentLoader(*this).loadAll(catalogueSheets);
}

void Application::setInput(std::unique_ptr<InputSource> source)
{
    inputSource = std::move(source);
}

void Application::openSound()
{
    if (std::unique_ptr<AllegroSoundOutput> device = AllegroSoundOutput::open())
        sound.setOutput(std::move(device));
    else
        std::fprintf(stderr, "squibble-siege: no sound device could be opened; playing silently\n");
}

void Application::initialise(const LaunchOptions& options)
{
    if (install_allegro(SYSTEM_AUTODETECT, &errno, std::atexit) != 0)
        failStartup(std::string("cannot initialise the graphics library: ") + allegro_error);
    install_keyboard();
    install_mouse();
    registerMzLoader();
    set_color_depth(32);
    std::string notice;
    const std::string failure = GameWindow::open(options, notice);
    if (!failure.empty())
        failStartup(failure);
    if (!notice.empty())
        std::fprintf(stderr, "squibble-siege: %s\n", notice.c_str());
    screenLayout = ScreenLayout::centred(SCREEN_W, SCREEN_H, BackBuffer::Width, BackBuffer::Height);
    clear_to_color(screen, makecol(0, 0, 0));
    openSound();
    if (!config.load(ConfigPath))
        failStartup(std::string("cannot open ") + ConfigPath + " (working directory " + workingDirectory() + ")");
    set_window_title(config.get("WindowTitle").c_str());
    show_mouse(screen);
    enable_hardware_cursor();
    backBuffer = std::make_unique<BackBuffer>(BackBuffer::Width, BackBuffer::Height);
    if (!backBuffer->bitmap)
        failStartup("cannot create the back buffer");
    std::vector<std::string> problems = loadContent();
    for (const std::string& problem : problems)
        std::fprintf(stderr, "squibble-siege: %s\n", problem.c_str());
    if (!problems.empty())
        std::exit(1);
    counterFrequency = std::chrono::steady_clock::period::den / std::chrono::steady_clock::period::num;
    minFrameTime = config.getDouble("TimestepThreshold");
    lastFrameTime = now();
    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_display_switch_callback(SWITCH_OUT, onSwitchOut);
    set_close_button_callback(onCloseButton);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

double Application::now() const
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const double frequency = static_cast<double>(std::chrono::steady_clock::period::den) /
                             std::chrono::steady_clock::period::num;
    return static_cast<double>(ticks) / frequency;
}

double Application::waitForNextFrame()
{
    const double threshold = std::isnan(minFrameTime) ? 0.0 : std::clamp(minFrameTime, 0.0, LongestFrameThreshold);
    double elapsed = now() - lastFrameTime;
    while (threshold > elapsed && !frameWaitInterrupted()) {
        // Whole milliseconds only; under one millisecond this yields and the loop spins. The
        // slice is worked out in seconds and capped first, so the cast cannot overflow.
        const double slice = std::min(threshold - elapsed, LongestSleep);
        sleepMilliseconds(static_cast<int>(slice * 1000.0));
        elapsed = now() - lastFrameTime;
    }
    lastFrameTime = lastFrameTime + elapsed;
    sampleMouse();
    return elapsed;
}

bool Application::frameWaitInterrupted()
{
    // A pressed or released button starts the frame at once, so a long frame loses no click;
    // a closed window ends the wait so the loop can stop.
    return (world && !world->running) || inputSource->mouseButtons() != mouseButtons;
}

void Application::sampleMouse()
{
    mouseX = screenLayout.pictureX(inputSource->mouseX());
    mouseY = screenLayout.pictureY(inputSource->mouseY());
    previousMouseButtons = mouseButtons;
    mouseButtons = inputSource->mouseButtons();
}

bool Application::mouseInRect(int x, int y, int width, int height) const
{
    return x <= mouseX && mouseX <= x + width && y <= mouseY && mouseY <= y + height;
}

bool Application::mouseClicked(int button) const
{
    return (previousMouseButtons & button) != 0 && (mouseButtons & button) == 0;
}

void onCloseButton()
{
    Application& app = Application::instance();
    if (app.world)
        app.world->running = false;
}

void onSwitchIn()
{
    Application& app = Application::instance();
    app.lastFrameTime = app.now();
}

void onSwitchOut()
{
    Application& app = Application::instance();
    if (app.world)
        app.world->requestPause();
}
