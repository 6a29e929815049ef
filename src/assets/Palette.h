// The colours of the art's palette that the game draws with by itself (marks, rings, bars, the
// panels' boxes), each named once, and the colour a drawing routine passes for one of them.
#pragma once

struct PaletteColour {
    int red;
    int green;
    int blue;
};

class Palette {
public:
    static constexpr PaletteColour Ink{0x22, 0x20, 0x34};      // the panels' dark, outlines
    static constexpr PaletteColour Slate{0x5a, 0x5a, 0x78};    // tracks and frames
    static constexpr PaletteColour Lilac{0x9a, 0x9a, 0xb8};    // the frame round the level played
    static constexpr PaletteColour PaleBlue{0xcb, 0xdb, 0xfc}; // the tesla's glow, a reach now
    static constexpr PaletteColour Yellow{0xfb, 0xf2, 0x36};   // warnings, a reach after an upgrade
    static constexpr PaletteColour Red{0xd9, 0x57, 0x63};      // danger
    static constexpr PaletteColour Green{0x6a, 0xbe, 0x30};    // a light wave
    static constexpr PaletteColour White{0xff, 0xff, 0xff};

    // The colour in the current colour depth (Allegro's makecol).
    static int colour(PaletteColour c);
};
