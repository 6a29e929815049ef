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
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace {

// The longest single sleep of the frame wait, so that the close button and the mouse buttons are
// answered promptly however long the frame.
constexpr double LongestSleep = 0.05;

[[noreturn]] void failStartup(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: %s\n", message.c_str());
    std::exit(1);
}

// The window callbacks run on the library's thread: each counts itself in before it looks at the
// World and does nothing once the World has been detached.
std::atomic<int> callbacksInside{0};
std::atomic<bool> callbacksClosed{false};

class CallbackScope {
public:
    CallbackScope() { ++callbacksInside; }
    ~CallbackScope() { --callbacksInside; }
    CallbackScope(const CallbackScope&) = delete;
    CallbackScope& operator=(const CallbackScope&) = delete;
    // The World, or null when there is none or it is being detached.
    World* world() const { return callbacksClosed ? nullptr : Application::instance().world; }
};

// Set by a termination signal (a logout, kill); the game then closes as the close button closes it.
std::atomic<bool> terminationRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler may only touch lock-free atomics");

extern "C" void onTerminationSignal(int)
{
    terminationRequested = true;
}

// Replaces the library's own handlers, which shut it down inside the handler and may abort, by one
// that lets the main loop end the game normally (keeping the run as a closed window does).
void catchTerminationSignals()
{
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signalNumber, &action, nullptr);
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

void Application::attachWorld(World* running)
{
    world = running;
    callbacksClosed = false;
}

World* Application::detachWorld()
{
    remove_display_switch_callback(onSwitchIn);
    remove_display_switch_callback(onSwitchOut);
    set_close_button_callback(nullptr);
    // A callback that started before the removal may still be running: wait for it to leave.
    callbacksClosed = true;
    while (callbacksInside > 0)
        std::this_thread::yield();
    World* detached = world;
    world = nullptr;
    return detached;
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
    catchTerminationSignals();
    install_keyboard();
    install_mouse();
    registerMzLoader();
    set_color_depth(32);
    const std::string failure = openScreen(options);
    if (!failure.empty())
        failStartup(failure);
    screenOptions = options;
    screenOpen = true;
    openSound();
    if (!config.load(Config::GamePath))
        failStartup(std::string("cannot open ") + Config::GamePath + " (working directory " + workingDirectory() + ")");
    set_window_title(config.get("WindowTitle").c_str());
    backBuffer = std::make_unique<BackBuffer>(BackBuffer::Width, BackBuffer::Height);
    if (!backBuffer->bitmap)
        failStartup("cannot create the back buffer");
    std::vector<std::string> problems = loadContent();
    for (const std::string& problem : problems)
        std::fprintf(stderr, "squibble-siege: %s\n", problem.c_str());
    if (!problems.empty())
        std::exit(1);
    minFrameTime = config.getDouble("TimestepThreshold");
    lastFrameTime = now();
    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_display_switch_callback(SWITCH_OUT, onSwitchOut);
    set_close_button_callback(onCloseButton);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

std::string Application::openScreen(const LaunchOptions& options)
{
    std::string notice;
    const std::string failure = GameWindow::open(options, notice);
    if (!failure.empty())
        return failure;
    if (!notice.empty())
        std::fprintf(stderr, "squibble-siege: %s\n", notice.c_str());
    ++screensOpened;
    screenLayout = ScreenLayout::centred(SCREEN_W, SCREEN_H, BackBuffer::Width, BackBuffer::Height);
    clear_to_color(screen, makecol(0, 0, 0));
    show_mouse(screen);
    enable_hardware_cursor();
    return {};
}

std::string Application::switchScreen(bool fullscreen)
{
    if (!screenOpen)
        return "no screen of the game's own is open";
    LaunchOptions wanted = screenOptions;
    wanted.fullscreen = fullscreen;
    show_mouse(nullptr);
    std::string failure = openScreen(wanted);
    if (!failure.empty()) {
        const std::string back = openScreen(screenOptions);
        if (!back.empty()) {
            std::fprintf(stderr, "squibble-siege: %s; %s\n", failure.c_str(), back.c_str());
            std::exit(1);
        }
        return failure;
    }
    screenOptions = wanted;
    set_window_title(config.get("WindowTitle").c_str());
    // A new screen mode may forget the window's callbacks: they are set again, once each.
    remove_display_switch_callback(onSwitchIn);
    remove_display_switch_callback(onSwitchOut);
    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_display_switch_callback(SWITCH_OUT, onSwitchOut);
    set_close_button_callback(onCloseButton);
    lastFrameTime = now();
    return {};
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
    // The switch-in callback may restart the clock at any moment: one load per measurement, and a
    // clock restarted after this frame's start counts as no time rather than negative time.
    const auto sinceLastFrame = [this](double at) { return std::max(0.0, at - lastFrameTime.load()); };
    double frameStart = now();
    double elapsed = sinceLastFrame(frameStart);
    while (!frameWaitInterrupted() && threshold > elapsed) {
        // Whole milliseconds only; under one millisecond this yields and the loop spins. The
        // slice is worked out in seconds and capped first, so the cast cannot overflow.
        const double slice = std::min(threshold - elapsed, LongestSleep);
        sleepMilliseconds(static_cast<int>(slice * 1000.0));
        frameStart = now();
        elapsed = sinceLastFrame(frameStart);
    }
    lastFrameTime = frameStart;
    sampleMouse();
    // After a stall (a suspended laptop, a debugger) the game goes on from where the player left it.
    return std::min(elapsed, std::max(LongestFrameCounted, threshold));
}

bool Application::frameWaitInterrupted()
{
    // A pressed or released button starts the frame at once, so a long frame loses no click;
    // a closed window or a termination signal ends the wait so the loop can stop.
    if (terminationRequested && world)
        world->running = false;
    return (world && !world->running) || inputSource->mouseButtons() != mouseButtons;
}

void Application::sampleMouse()
{
    const int screenX = inputSource->mouseX();
    const int screenY = inputSource->mouseY();
    // On the border the last position on the picture stays, for the placement preview.
    mouseScreen = screensOpened;
    mouseOnPicture = screenLayout.shows(screenX, screenY);
    if (mouseOnPicture) {
        mouseX = screenLayout.pictureX(screenX);
        mouseY = screenLayout.pictureY(screenY);
    }
    previousMouseButtons = mouseButtons;
    mouseButtons = inputSource->mouseButtons();
}

bool Application::mouseInRect(int x, int y, int width, int height) const
{
    return mouseOnPicture && x <= mouseX && mouseX <= x + width && y <= mouseY && mouseY <= y + height;
}

bool Application::mouseClicked(int button) const
{
    return mouseOnPicture && (previousMouseButtons & button) != 0 && (mouseButtons & button) == 0;
}

void onCloseButton()
{
    const CallbackScope scope;
    if (World* world = scope.world())
        world->running = false;
}

void onSwitchIn()
{
    const CallbackScope scope;
    Application& app = Application::instance();
    app.lastFrameTime = app.now();
    // The library may send a switch-out and a switch-in at once at start-up: that is no reason to
    // pause. A pause already taken stays until P.
    if (World* world = scope.world())
        world->cancelPauseRequest();
}

void onSwitchOut()
{
    const CallbackScope scope;
    if (World* world = scope.world())
        world->requestPause();
}
