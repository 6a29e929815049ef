// The 320 x 240 surface every frame is drawn into, shown enlarged by a whole factor and centred
// on the screen (twice its size filling the 640 x 480 window unless the player chose otherwise).
#pragma once

#include "app/Field.h"

struct BITMAP;

class BackBuffer {
public:
    static constexpr int Width = Field::Width;
    static constexpr int Height = Field::Height;

    BackBuffer(int width, int height);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Stretches the whole bitmap by the largest whole factor that fits the screen, centred;
    // does nothing without a screen.
    void present();

    BITMAP* bitmap = nullptr;
};
