// This frame's mouse sample as the controls read it: where the pointer is on the picture and on
// which of the screens opened so far it was taken.
#pragma once

struct PointerSample {
    const int& x;
    const int& y;
    const int& screen;
};
