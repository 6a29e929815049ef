// The things that happen in a game that the player hears, and the configuration key that names
// the sound of each ("Sound.LaserFired" and so on).
#pragma once

enum class SoundEvent {
    LaserFired,
    MissileLaunched,
    MissileExploded,
    TeslaStrike,
    InvaderDestroyed,
    InvaderEscaped,
    WaveStarted,
    TowerBuilt,
    UpgradeBought,
    TowerSold,
    Refused,
    QuitDialog,
    GameOver,
    GroundWarning,
};

constexpr int SoundEventCount = static_cast<int>(SoundEvent::GroundWarning) + 1;

// The configuration key of the event's sound file.
const char* soundKey(SoundEvent event);
