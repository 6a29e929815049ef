// The one place where the game reads the keyboard and the mouse. The game asks an InputSource;
// the real one reads Allegro's globals, and tests install a scripted one in its place.
#pragma once

#include "app/MouseButton.h"

class InputSource {
public:
    virtual ~InputSource() = default;

    // Pointer position in screen pixels (640 x 480 in the default window) and Allegro's button
    // bits (MouseButton's).
    virtual int mouseX() = 0;
    virtual int mouseY() = 0;
    virtual int mouseButtons() = 0;
    // Takes one key from the keyboard buffer: its scancode, or -1 when no key is waiting.
    virtual int nextKey() = 0;
    // Whether the key with this scancode is held down right now.
    virtual bool keyHeld(int scancode) = 0;
    // Whether the key is down on the keyboard this moment, even where keyHeld lost track of it
    // (a new screen forgets the keys held while it opened).
    virtual bool keyDown(int scancode) { return keyHeld(scancode); }
    // The buttons this moment, for the frame clock's wait: not an input the game acts on (a
    // recording leaves it out).
    virtual int buttonsNow() { return mouseButtons(); }
};

// Reads Allegro's keyboard buffer, key state and mouse variables.
class AllegroInput : public InputSource {
public:
    int mouseX() override;
    int mouseY() override;
    int mouseButtons() override;
    int nextKey() override;
    bool keyHeld(int scancode) override;
    // Asks the display server, where there is one.
    bool keyDown(int scancode) override;
};
