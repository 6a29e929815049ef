// The player who never touches the controls: the baseline for how fast an undefended field falls.
#pragma once

#include "autoplay/Strategy.h"

namespace autoplay {

class IdleStrategy : public Strategy {
public:
    const char* name() const override { return "idle"; }
    void decide(const World& world, Gestures& hand) override;
};

} // namespace autoplay
