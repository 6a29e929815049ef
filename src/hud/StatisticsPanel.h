// The game in numbers on the game-over screen: what the player destroyed and let through, earned,
// spent and built, each tower kind's damage and the time played, in two boxes below the offer to
// play again, clear of "Game Over", the record lines and the quit dialog.
#pragma once

struct BITMAP;
class World;

class StatisticsPanel {
public:
    explicit StatisticsPanel(const World& world);

    void draw(BITMAP* target) const;

private:
    const World& world;
};
