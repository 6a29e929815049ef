#include "app/DesktopWindow.h"

#include <allegro.h>
#include <xalleg.h>

#include <X11/Xatom.h>
#include <climits>
#include <string>
#include <unistd.h>

namespace {

extern "C" int onLostDisplay(Display*)
{
    static const char line[] = "squibble-siege: the connection to the display was lost\n";
    const ssize_t written = write(STDERR_FILENO, line, sizeof line - 1);
    (void)written;
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
    XSetIOErrorHandler(onLostDisplay);
}
