#include "audio/SoundEvent.h"

namespace {

constexpr const char* Keys[SoundEventCount] = {
    "Sound.LaserFired",   "Sound.MissileLaunched", "Sound.MissileExploded", "Sound.TeslaStrike",
    "Sound.InvaderDestroyed", "Sound.InvaderEscaped", "Sound.WaveStarted", "Sound.TowerBuilt",
    "Sound.UpgradeBought", "Sound.TowerSold",       "Sound.Refused",        "Sound.QuitDialog",
    "Sound.GameOver",
};

} // namespace

const char* soundKey(SoundEvent event)
{
    return Keys[static_cast<int>(event)];
}
