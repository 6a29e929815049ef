#include "autoplay/ScriptedInput.h"

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
    windowX = backBufferX * 2;
    windowY = backBufferY * 2;
}
