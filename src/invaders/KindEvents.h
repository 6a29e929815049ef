// What an invader of the Mixed kinds tells the game it stands in: that it was destroyed (the
// player is paid its reward), and whether its health is to be shown. The one door its rewards go
// through.
#pragma once

class BitmapFont;
class Invader;

class KindEvents {
public:
    virtual ~KindEvents() = default;

    // Pays the kind's reward (as the difficulty scales it) with a poof, a "+N" and the sound, and
    // counts the kind destroyed.
    virtual void destroyed(const Invader& invader, int kind, int reward) = 0;
    // The font the debug overlay shows health in; null while the overlay is off.
    virtual const BitmapFont* debugFont() const = 0;
};
