#include "audio/SoundEvent.h"

#include <iterator>

namespace {

// One key per event, in the order of SoundEvent; an event without a key does not compile.
constexpr const char* Keys[] = {
    "Sound.LaserFired",   "Sound.MissileLaunched", "Sound.MissileExploded", "Sound.TeslaStrike",
    "Sound.InvaderDestroyed", "Sound.InvaderEscaped", "Sound.WaveStarted", "Sound.TowerBuilt",
    "Sound.UpgradeBought", "Sound.TowerSold",       "Sound.Refused",        "Sound.QuitDialog",
    "Sound.GameOver",     "Sound.GroundWarning",
};
static_assert(std::size(Keys) == SoundEventCount, "every sound event needs its configuration key");

} // namespace

const char* soundKey(SoundEvent event)
{
    return Keys[static_cast<int>(event)];
}
