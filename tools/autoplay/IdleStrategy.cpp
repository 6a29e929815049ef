#include "autoplay/IdleStrategy.h"

namespace autoplay {

void IdleStrategy::decide(const World&, Gestures&)
{
}

} // namespace autoplay
