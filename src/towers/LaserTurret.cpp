#include "towers/LaserTurret.h"

#include "app/Application.h"
#include "assets/AnimatedSprite.h"
#include "audio/SoundBoard.h"
#include "game/World.h"
#include "invaders/Wave.h"
#include "projectiles/LaserProjectile.h"
#include "projectiles/MissileProjectile.h"
#include "towers/TowerKinds.h"
#include "towers/TowerRules.h"

#include <boost/math/constants/constants.hpp>

#include <cstdlib>

namespace {

constexpr int RatePath = 0;
constexpr int LauncherPath = 1;
constexpr int ShootAnimation = 2;
constexpr int RestAnimation = 0;
// Muzzles, measured up from the baseline.
constexpr int BoltHeight = 12;
constexpr int MissileHeight = 4;
// Launch puffs: a 6-pixel square whose top is 18 pixels above the baseline, its left edge
// 3 pixels left of the tower's centre line.
constexpr int PuffLeft = -3;
constexpr int PuffTop = 18;
// Launch directions range from 0.2 pi to 0.8 pi: upwards within 54 degrees of vertical.
constexpr double LaunchSpreadLow = 0.2;
constexpr double LaunchSpreadWidth = 0.6;
// The launch spread is drawn from 0..32767, whatever the C library's own range.
constexpr int RandomRange = 32768;
constexpr double RandomTop = 32767.0;

constexpr const char* PeriodKey = "Tower1.FreqBase";
constexpr const char* DamageKey = "Tower1.DamageBase";
constexpr const char* RateKey = "Tower1.Upgrade1.Level1.FreqMod";
constexpr const char* MissilePeriodKey = "Tower1.Upgrade2.Level1.MissileFreq";
constexpr const char* MissileDamageKey = "Tower1.Upgrade2.Level1.MissileDamage";

TowerWeapons weaponsAt(Config& config, BoughtLevels bought)
{
    TowerWeapons weapons;
    weapons.period = TowerRules::shortened(config, PeriodKey, RateKey, bought.of(RatePath));
    weapons.damage = config.getInt(DamageKey);
    weapons.launcher = bought.of(LauncherPath) >= 1;
    weapons.missilePeriod = static_cast<float>(config.getDouble(MissilePeriodKey));
    weapons.missileDamage = config.getInt(MissileDamageKey);
    return weapons;
}

} // namespace

const KindRules& LaserTurret::rules()
{
    using M = UpgradeModifier;
    static const KindRules own{
        {{PeriodKey, false}, {DamageKey, true}},
        {{TowerKinds::Laser, RatePath, M::Rate, RateKey, false, nullptr},
         {TowerKinds::Laser, LauncherPath, M::MissilePeriod, MissilePeriodKey, false, nullptr},
         {TowerKinds::Laser, LauncherPath, M::MissileDamage, MissileDamageKey, true, nullptr}},
        weaponsAt,
    };
    return own;
}

LaserTurret::LaserTurret()
    : Building(TowerKinds::Laser)
{
    Application& app = Application::instance();
    sheet = app.towerTypes[TowerKinds::Laser].spriteSheet;
    const TowerWeapons weapons = TowerRules::weaponsOf(TowerKinds::Laser, upgradeLevels);
    period = weapons.period;
    timer = period * 0.5f;
    missilePeriod = weapons.missilePeriod;
    missileTimer = missilePeriod * 0.5f;
    damage = weapons.damage;
    missileDamage = weapons.missileDamage;
}

void LaserTurret::update(double dt)
{
    if (!sprite)
        return;
    sprite->update(static_cast<float>(dt));
    for (int shots = takeShots(timer, period, dt); shots > 0; --shots)
        fireLaser();
    // Until the launcher is bought its timer stands still at half a period.
    if (levelOf(LauncherPath) >= 1) {
        for (int shots = takeShots(missileTimer, missilePeriod, dt); shots > 0; --shots)
            fireMissile();
    }
}

void LaserTurret::upgrade(int p)
{
    countLevel(p);
    if (p == RatePath)
        period = TowerRules::weaponsOf(TowerKinds::Laser, upgradeLevels).period;
}

const std::vector<TargetPriority::Rule>& LaserTurret::aimChoices() const
{
    return levelOf(LauncherPath) >= 1 ? TargetPriority::missileChoices() : Building::aimChoices();
}

void LaserTurret::fireLaser()
{
    Application& app = Application::instance();
    sprite->playThen(ShootAnimation, RestAnimation);
    const int centre = centreLine();
    app.world->projectiles.push_back(std::make_unique<LaserProjectile>(centre, app.towerBaseline - BoltHeight, damage, credit()));
    // A bolt into an empty sky is seen, not heard: with no wave lasers zap through every pause.
    const Wave* wave = app.world->currentWave.get();
    if (wave && !wave->invaders.empty())
        app.sound.play(SoundEvent::LaserFired, centre);
}

void LaserTurret::fireMissile()
{
    Application& app = Application::instance();
    const int centre = centreLine();
    auto missile =
        std::make_unique<MissileProjectile>(centre + 1, app.towerBaseline - MissileHeight, missileDamage, 0, 0.0,
                                            credit());
    missile->aim = aim;
    if (!missile->acquireTarget())
        return;
    const double fraction = (std::rand() % RandomRange) / RandomTop;
    missile->heading = (fraction * LaunchSpreadWidth + LaunchSpreadLow) * boost::math::double_constants::pi;
    app.world->projectiles.push_back(std::move(missile));
    puffLaunchSmoke(PuffLeft, PuffTop);
    app.sound.play(SoundEvent::MissileLaunched, centre);
}
