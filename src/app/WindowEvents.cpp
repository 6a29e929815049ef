#include "app/WindowEvents.h"

#include "app/Application.h"
#include "game/World.h"

#include <allegro.h>
#include <atomic>
#include <csignal>
#include <thread>

namespace {

// Each callback counts itself in before it looks at the World and does nothing once the World has
// been detached.
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

std::atomic<int> windowReturns{0};
std::atomic<bool> terminationSignalled{false};
// Latched by the close button while a World is attached: a close pressed before the game loop has
// started, which starts the World running, still ends it.
std::atomic<bool> closePressed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler may only touch lock-free atomics");

extern "C" void onTerminationSignal(int)
{
    terminationSignalled = true;
}

} // namespace

void WindowEvents::install()
{
    remove_display_switch_callback(onSwitchIn);
    remove_display_switch_callback(onSwitchOut);
    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_display_switch_callback(SWITCH_OUT, onSwitchOut);
    set_close_button_callback(onCloseButton);
}

void WindowEvents::open()
{
    closePressed = false;
    callbacksClosed = false;
}

void WindowEvents::close()
{
    remove_display_switch_callback(onSwitchIn);
    remove_display_switch_callback(onSwitchOut);
    set_close_button_callback(nullptr);
    // A callback that started before the removal may still be running: wait for it to leave.
    callbacksClosed = true;
    while (callbacksInside > 0)
        std::this_thread::yield();
    closePressed = false;
}

void WindowEvents::catchTerminationSignals()
{
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signalNumber, &action, nullptr);
}

bool WindowEvents::closeRequested()
{
    return terminationSignalled || closePressed;
}

int WindowEvents::returns()
{
    return windowReturns;
}

void onCloseButton()
{
    const CallbackScope scope;
    if (World* world = scope.world()) {
        closePressed = true;
        world->running = false;
    }
}

void onSwitchIn()
{
    const CallbackScope scope;
    Application& app = Application::instance();
    app.lastFrameTime = app.now();
    // What the window shows is drawn again, however still the game.
    ++windowReturns;
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
