#include "app/InputSource.h"

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
