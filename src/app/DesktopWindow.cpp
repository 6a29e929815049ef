#include "app/DesktopWindow.h"

#include "app/WindowEvents.h"
#include "files/FileWriter.h"

#include <allegro.h>
#include <xalleg.h>

#include <X11/Xatom.h>
#include <atomic>
#include <chrono>
#include <climits>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

// All a lost display may take before the process ends: the game's own close, then the writers.
constexpr std::chrono::milliseconds CloseLimit{600};
constexpr std::chrono::milliseconds EndLimit{900};

std::thread::id gameThread;
std::atomic<bool> closeSaved{false};
std::atomic<bool> ending{false};

// The thread that found the display lost ends the process.
[[noreturn]] void waitForTheEnd()
{
    for (;;)
        pause();
}

extern "C" int onLostDisplay(Display*)
{
    // The display fails on every thread that touches it: the first one ends the process.
    if (ending.exchange(true))
        waitForTheEnd();
    static const char line[] = "squibble-siege: the connection to the display was lost\n";
    const ssize_t written = write(STDERR_FILENO, line, sizeof line - 1);
    (void)written;
    const auto start = std::chrono::steady_clock::now();
    // A close under way (a logout's SIGTERM comes with the lost display) saves the pause between
    // waves first, unless it is this thread, stopped inside the library; a game stuck on the
    // display is not waited for long.
    if (std::this_thread::get_id() != gameThread)
        while (WindowEvents::closeRequested() && !closeSaved && std::chrono::steady_clock::now() < start + CloseLimit)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    // A settings change waiting for its spacing, a checkpoint or a record being written.
    FileWriter::hurryAll(start + EndLimit);
    _exit(1);
}

void setCardinals(Display* display, Window window, const char* name, const unsigned long* values, int count)
{
    const Atom property = XInternAtom(display, name, False);
    XChangeProperty(display, window, property, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values), count);
}

void describeWindow(Display* display, Window window, const std::vector<unsigned long>& icon)
{
    std::string windowClass = DesktopWindow::WindowClass;
    XClassHint hint;
    hint.res_name = windowClass.data();
    hint.res_class = windowClass.data();
    XSetClassHint(display, window, &hint);
    // A process id means something only with the machine it runs on.
    char host[HOST_NAME_MAX + 1] = {};
    if (gethostname(host, sizeof host - 1) == 0) {
        XTextProperty machine;
        char* list[] = {host};
        if (XStringListToTextProperty(list, 1, &machine)) {
            XSetWMClientMachine(display, window, &machine);
            XFree(machine.value);
        }
    }
    const unsigned long pid = static_cast<unsigned long>(getpid());
    setCardinals(display, window, "_NET_WM_PID", &pid, 1);
    if (!icon.empty())
        setCardinals(display, window, "_NET_WM_ICON", icon.data(), static_cast<int>(icon.size()));
}

} // namespace

void DesktopWindow::nameClass()
{
    xwin_set_window_name(WindowClass, WindowClass);
}

void DesktopWindow::describe(const std::vector<unsigned long>& icon)
{
    if (!_xwin.display)
        return;
    XLOCK();
    for (Window window : {_xwin.wm_window, _xwin.fs_window})
        if (window != None)
            describeWindow(_xwin.display, window, icon);
    XFlush(_xwin.display);
    XUNLOCK();
}

int DesktopWindow::keyDown(int scancode)
{
    if (!_xwin.display)
        return -1;
    int keycode = -1;
    for (int code = 0; code < 256 && keycode < 0; ++code)
        if (_xwin.keycode_to_scancode[code] == scancode)
            keycode = code;
    if (keycode < 0)
        return -1;
    char keys[32] = {};
    XLOCK();
    XQueryKeymap(_xwin.display, keys);
    XUNLOCK();
    return (keys[keycode / 8] >> (keycode % 8)) & 1;
}

void DesktopWindow::endOnLostDisplay()
{
    gameThread = std::this_thread::get_id();
    XSetIOErrorHandler(onLostDisplay);
}

void DesktopWindow::closeDone()
{
    closeSaved = true;
    if (ending)
        waitForTheEnd();
}
