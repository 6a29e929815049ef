// How the "answer" player picks its next tower: from the kinds the coming wave brings, as the
// wave panel shows them, it wants lasers for Squibbles and mites, missiles for the armoured and
// the boss, coils for the shielded and the splitters, and builds the kind furthest below its share.
#pragma once

class World;

namespace autoplay {

class KindsAnswer {
public:
    // 0 laser, 1 missile, 2 coil.
    static int nextKind(const World& world);
};

} // namespace autoplay
