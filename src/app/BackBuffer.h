// The 320 x 240 surface every frame is drawn into, stretched onto the 640 x 480 screen.
#pragma once

struct BITMAP;

class BackBuffer {
public:
    BackBuffer(int width, int height);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Stretches the whole bitmap onto the screen; does nothing without a screen.
    void present();

    BITMAP* bitmap = nullptr;
};
