#include "app/Application.h"

#include "app/BackBuffer.h"
#include "app/ContentLoader.h"
#include "app/DesktopWindow.h"
#include "app/StartUp.h"
#include "app/WindowEvents.h"
#include "assets/BitmapFont.h"
#include "audio/AllegroMusicOutput.h"
#include "audio/AllegroSoundOutput.h"
#include "assets/SpriteSheet.h"
#include "game/World.h"
#include "files/PlainText.h"

#include <allegro.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace {

// The longest single sleep of the frame wait, so that the close button and the mouse buttons are
// answered promptly however long the frame.
constexpr double LongestSleep = 0.05;

[[noreturn]] void failStartup(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(message).c_str());
    std::exit(1);
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
    WindowEvents::open();
}

World* Application::detachWorld()
{
    WindowEvents::close();
    World* detached = world;
    world = nullptr;
    return detached;
}

void Application::setInput(std::unique_ptr<InputSource> source)
{
    inputSource = std::move(source);
}

void Application::openSound(const LaunchOptions& options)
{
    std::unique_ptr<AllegroSoundOutput> device = AllegroSoundOutput::open();
    if (!device) {
        std::fprintf(stderr, "squibble-siege: no sound device could be opened; playing silently\n");
        return;
    }
    sound.setOutput(std::move(device));
    if (options.music)
        music.setOutput(AllegroMusicOutput::open());
}

void Application::initialise(const LaunchOptions& options)
{
    if (install_allegro(SYSTEM_AUTODETECT, &errno, std::atexit) != 0)
        failStartup(std::string("cannot initialise the graphics library: ") + allegro_error);
    DesktopWindow::endOnLostDisplay();
    WindowEvents::catchTerminationSignals();
    install_keyboard();
    install_mouse();
    StartUp::preparePictures();
    DesktopWindow::nameClass();
    const std::string failure = screens.open(options);
    if (!failure.empty())
        failStartup(failure);
    showNewScreen();
    openSound(options);
    const std::vector<std::string> problems = StartUp::loadDataSet(*this);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(problem).c_str());
    if (!problems.empty())
        std::exit(1);
    // A piece that does not load is only silent: the game starts all the same.
    for (const std::string& problem : options.music ? music.load(config) : std::vector<std::string>())
        std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(problem).c_str());
    screens.setTitle(config.get("WindowTitle"));
    lastFrameTime = now();
    WindowEvents::install();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void Application::showNewScreen() { screenLayout = screens.layout(); }

std::string Application::switchScreen(bool fullscreen)
{
    // Counted as asked, whatever comes of it: a run played again where no screen can open (a
    // replay checked off screen) counts the same switches as the run did.
    ++screensOpened;
    const std::string failure = screens.switchTo(fullscreen);
    if (!screens.isOpen())
        return failure;
    // Switched, or the old screen reopened: either way a new one.
    showNewScreen();
    // A new screen mode may forget the window's callbacks.
    WindowEvents::install();
    lastFrameTime = now();
    return failure;
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
    const double elapsed = waitForFrameTime();
    sampleMouse();
    return elapsed;
}

double Application::waitForFrameTime()
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
    // After a stall (a suspended laptop, a debugger) the game goes on from where the player left it.
    return std::min(elapsed, std::max(LongestFrameCounted, threshold));
}

bool Application::frameWaitInterrupted()
{
    // A pressed or released button starts the frame at once, so a long frame loses no click;
    // a closed window or a termination signal ends the wait so the loop can stop.
    if (WindowEvents::closeRequested() && world)
        world->running = false;
    return (world && !world->running) || inputSource->buttonsNow() != mouseButtons;
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
