// A few lines of text on a dark box, laid out on the stack and drawn at once: the panels of the
// HUD. It allocates nothing, so a panel can be filled and drawn every frame.
#pragma once

#include <array>

struct BITMAP;
class BitmapFont;

class TextPanel {
public:
    static constexpr int MostLines = 14;
    static constexpr int LineLength = 48;

    // Adds a line (formatted as printf does, cut at LineLength); lines past MostLines are dropped.
    void add(const BitmapFont* font, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // The box around the lines: width and height in pixels.
    int width() const;
    int height() const;
    // Draws the box and its lines with the box's top-left corner at (x, y); the box is the
    // palette's darkest colour, half see-through over the field, or its grey on a greyed picture.
    void draw(BITMAP* target, int x, int y, bool grey = false) const;

private:
    struct Line {
        const BitmapFont* font;
        char text[LineLength];
    };

    static int lineHeight(const BitmapFont* font);

    std::array<Line, MostLines> lines;
    int count = 0;
};
