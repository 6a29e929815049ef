// What the invader kinds of the Mixed mode share: health from their kind's numbers at a wave, the
// hurt flashes of the four-animation sheet, the end that reports them destroyed, and the drawing
// with the debug overlay's health figure. Each kind's own rule sits in its own class around these.
#pragma once

struct BITMAP;
class Difficulty;
class Invader;
struct InvaderType;
struct KindContext;

class InvaderLife {
public:
    // Animations of every invader sheet: plain, flashing, badly hurt, badly hurt and flashing.
    static constexpr unsigned Animations = 4;

    // The kind's health at a wave: its first wave's health plus the per-wave increase (truncated
    // before it is added), scaled by the difficulty.
    static int healthFor(const InvaderType& type, int waveNumber, const Difficulty& difficulty);
    // Health, radius, sprite and kind of a new invader of the kind, from the context.
    static void begin(Invader& invader, int kind, const KindContext& context);
    // The hurt flash of a living invader: the plain one, or the badly hurt one at or below 35 % of
    // its starting health.
    static void flash(Invader& invader);
    // Takes amount off the invader's health: flashes the hurt level, or at 0 reports it destroyed
    // with its kind's reward. Returns whether this hit destroyed it; nothing happens to an invader
    // already gone.
    static bool hurt(Invader& invader, int amount, const KindContext& context);
    // The sprite at the invader's place, and its health while the debug overlay is on.
    static void draw(const Invader& invader, BITMAP* destination, const KindContext& context);
};
