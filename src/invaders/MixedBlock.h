// Forms the Mixed mode's block from the kinds of its slots: every invader made and set at its slot
// as the Classic block's are, the boss over its two slots a little ahead of the rows behind it.
#pragma once

#include <memory>
#include <vector>

class Invader;
struct KindContext;

class MixedBlock {
public:
    // One invader per slot of kinds (WaveMakeUp::kindsFor), none for NoKind, in slot order.
    static std::vector<std::unique_ptr<Invader>> form(const std::vector<int>& kinds, const KindContext& context);
};
