#include "app/InputSource.h"

#include "app/DesktopWindow.h"

#include <allegro.h>

int AllegroInput::mouseX()
{
    return mouse_x;
}

int AllegroInput::mouseY()
{
    return mouse_y;
}

int AllegroInput::mouseButtons()
{
    return mouse_b;
}

int AllegroInput::nextKey()
{
    if (!keyboard_driver || !keypressed())
        return -1;
    return readkey() >> 8;
}

bool AllegroInput::keyHeld(int scancode)
{
    return keyboard_driver && key[scancode] != 0;
}

bool AllegroInput::keyDown(int scancode)
{
    const int down = DesktopWindow::keyDown(scancode);
    return down < 0 ? keyHeld(scancode) : down != 0;
}
