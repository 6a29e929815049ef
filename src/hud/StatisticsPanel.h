// The game in numbers on the game-over screen: its difficulty, what the player destroyed and let
// through, earned, spent and built, each tower kind's damage and the time played, in two boxes
// below the offer to play again, clear of "Game Over", the record lines and the quit dialog.
#pragma once

struct BITMAP;
struct FrameView;

class StatisticsPanel {
public:
    // Draws the totals of the view; nothing when it has none.
    static void draw(BITMAP* target, const FrameView& view);
};
