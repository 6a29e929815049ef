#include "app/ConfigKeys.h"

const std::vector<ConfigKeys::Key>& ConfigKeys::plain()
{
    static const std::vector<Key> keys{
        {WindowTitle, Kind::Text},         {TimestepThreshold, Kind::Double},     {TowerBaseline, Kind::Int},
        {ButtonSpacing, Kind::Int},        {WaveSpeedBase, Kind::Double},         {WaveSpeedIncrease, Kind::Double},
        {WaveSpeedMax, Kind::Double},      {LaserSpeed, Kind::Double},            {MissileSpeed, Kind::Double},
        {MissileSteeringMax, Kind::Double}, {MissileSteeringResponse, Kind::Double}, {MissileLife, Kind::Double},
    };
    return keys;
}

const std::vector<const char*>& ConfigKeys::numbered()
{
    static const std::vector<const char*> keys{
        TowerName,        TowerSprite,     TowerPrice,          TowerWidth,       TowerAvailable,
        TowerPaths,       PathName,        PathLevels,          LevelPrice,       LevelIcon,
        InvaderReward,    InvaderSprite,   InvaderHealth,       InvaderHealthIncrease, InvaderSize,
        InvaderName,      InvaderHint,     InvaderArmour,       InvaderShield,    InvaderShieldReturn,
        InvaderLanding,   InvaderFromWave, InvaderShare,        InvaderRows,      InvaderEvery,
    };
    return keys;
}
