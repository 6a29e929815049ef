// The key of a bar button as a small digit on a dark patch in the button's bottom-right corner, so the
// player reads which number key presses it.
#pragma once

struct BITMAP;
class BitmapFont;

class KeyDigit {
public:
    // Marks the button of size pixels square whose top-left is (x, y) with the digit of key number
    // (1 to 9; nothing for any other number).
    static void draw(BITMAP* target, const BitmapFont* font, int x, int y, int size, int number);
    // The same with a letter key's character ('T').
    static void drawKey(BITMAP* target, const BitmapFont* font, int x, int y, int size, char key);
};
