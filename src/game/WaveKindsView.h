// What the HUD shows of the Mixed mode's kinds: the kinds of the wave on the panel (the one running,
// or the next) with their counts, the kinds a player meets there for the first time, and the
// catalogue for the help's page of kinds. Worked out once per wave, not every frame.
#pragma once

#include "difficulty/GameMode.h"
#include "invaders/InvaderKinds.h"

#include <array>
#include <vector>

struct FrameView;
class World;

class WaveKindsView {
public:
    // Fills the view's kinds in the Mixed mode; leaves them empty in Classic.
    void fill(FrameView& view, const World& world);

private:
    int wave = 0;
    GameMode mode = GameMode::Classic;
    std::array<int, InvaderKinds::Count> counts{};
    std::vector<int> firstSeen;
};
