// The keys of the data set's configuration that the game reads, each written here once: the
// game's loading code reads them by these names, and the data checker lists what it checks from
// them. A numbered key is a pattern: "%d" stands for a tower's or invader's number from 1, then
// an upgrade path's and a level's.
#pragma once

#include <vector>

class ConfigKeys {
public:
    // What a key's value is read as.
    enum class Kind { Text, Int, Double, File };
    struct Key {
        const char* name;
        Kind kind;
    };

    static constexpr const char* WindowTitle = "WindowTitle";
    static constexpr const char* TimestepThreshold = "TimestepThreshold";
    static constexpr const char* TowerBaseline = "TowerBaseline";
    static constexpr const char* ButtonSpacing = "ButtonSpacing";
    static constexpr const char* WaveSpeedBase = "Wave1SpeedBase";
    static constexpr const char* WaveSpeedIncrease = "Wave1SpeedIncrease";
    static constexpr const char* WaveSpeedMax = "Wave1SpeedMax";
    static constexpr const char* LaserSpeed = "LaserSpeedBase";
    static constexpr const char* MissileSpeed = "MissileSpeedBase";
    static constexpr const char* MissileSteeringMax = "MissileSteeringMax";
    static constexpr const char* MissileSteeringResponse = "MissileSteeringResponse";
    static constexpr const char* MissileLife = "MissileLife";
    static constexpr const char* SoundVolume = "SoundVolume";
    static constexpr const char* MusicVolume = "MusicVolume";
    static constexpr const char* EarlyCallBonus = "EarlyCallBonus";

    static constexpr const char* TowerName = "Tower%d.Name";
    static constexpr const char* TowerSprite = "Tower%d.Sprite";
    static constexpr const char* TowerPrice = "Tower%d.Value";
    static constexpr const char* TowerWidth = "Tower%d.Width";
    static constexpr const char* TowerAvailable = "Tower%d.Available";
    static constexpr const char* TowerPaths = "Tower%d.Upgrades";
    static constexpr const char* PathName = "Tower%d.Upgrade%d.Name";
    static constexpr const char* PathLevels = "Tower%d.Upgrade%d.Levels";
    static constexpr const char* LevelPrice = "Tower%d.Upgrade%d.Level%d.Value";
    static constexpr const char* LevelIcon = "Tower%d.Upgrade%d.Level%d.Icon";

    static constexpr const char* InvaderReward = "Invader%d.Value";
    static constexpr const char* InvaderSprite = "Invader%d.Sprite";
    static constexpr const char* InvaderHealth = "Invader%d.Health";
    static constexpr const char* InvaderHealthIncrease = "Invader%d.HealthIncrease";
    static constexpr const char* InvaderSize = "Invader%d.Size";
    static constexpr const char* InvaderName = "Invader%d.Name";
    static constexpr const char* InvaderHint = "Invader%d.Hint";
    static constexpr const char* InvaderArmour = "Invader%d.Armour";
    static constexpr const char* InvaderShield = "Invader%d.Shield";
    static constexpr const char* InvaderShieldReturn = "Invader%d.ShieldReturn";
    static constexpr const char* InvaderLanding = "Invader%d.Landing";
    static constexpr const char* InvaderFromWave = "Invader%d.FromWave";
    static constexpr const char* InvaderShare = "Invader%d.Share";
    static constexpr const char* InvaderRows = "Invader%d.Rows";
    static constexpr const char* InvaderEvery = "Invader%d.Every";

    // The plain keys every data set gives, with what each is read as (not the volumes or the
    // early call's bonus, which a data set may leave out).
    static const std::vector<Key>& plain();
    // Every numbered key above, towers' and invaders' alike.
    static const std::vector<const char*>& numbered();
};
