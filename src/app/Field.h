// The fixed geometry of the playing field in back-buffer pixels: its size, its centre line, the
// status row along its bottom and the height of a line of text. Every part that places something
// by these takes them from here.
#pragma once

struct Field {
    static constexpr int Width = 320;
    static constexpr int Height = 240;
    // The vertical centre line: banners, dialogs and the stereo middle.
    static constexpr int CentreX = Width / 2;
    // The top line of the status row (money, health, speed, the build bar's buttons and captions).
    static constexpr int StatusTop = 220;
    // Heights of a line of text in the main and in the small font, the gap below it included.
    static constexpr int TextLine = 9;
    static constexpr int SmallTextLine = 7;
    // The top of the status row's second line of text (the money, a caption's second line).
    static constexpr int StatusSecondLine = StatusTop + TextLine;
    // The last line of the field above the status row.
    static constexpr int Bottom = StatusTop - 1;
    // The line the status row's bars and marks are drawn from, one below its top.
    static constexpr int StatusInner = StatusTop + 1;
};
