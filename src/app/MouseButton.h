// The mouse buttons as Allegro's button bits, the way InputSource::mouseButtons gives them and
// Application::mouseClicked asks for them.
#pragma once

struct MouseButton {
    static constexpr int Left = 1;
    static constexpr int Right = 2;
    // Every button the game reads.
    static constexpr int Both = Left | Right;
};
