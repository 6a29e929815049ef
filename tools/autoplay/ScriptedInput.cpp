#include "autoplay/ScriptedInput.h"

ScriptedInput::ScriptedInput(const ScreenLayout& layout)
    : layout(layout)
{
}

const ScreenLayout& ScriptedInput::defaultLayout()
{
    static const ScreenLayout window;
    return window;
}

int ScriptedInput::nextKey()
{
    if (keys.empty())
        return -1;
    const int key = keys.front();
    keys.pop_front();
    return key;
}

void ScriptedInput::pointAt(int backBufferX, int backBufferY)
{
    windowX = layout.screenX(backBufferX);
    windowY = layout.screenY(backBufferY);
}
