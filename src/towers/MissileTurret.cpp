#include "towers/MissileTurret.h"

#include "app/Application.h"
#include "assets/AnimatedSprite.h"
#include "audio/SoundBoard.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "projectiles/MissileProjectile.h"
#include "towers/TowerKinds.h"
#include "towers/TowerRules.h"

#include <boost/math/constants/constants.hpp>

#include <cstdlib>

namespace {

constexpr int RatePath = 0;
constexpr int BlastPath = 1;
constexpr int DoubleLaunchPath = 2;
// Poses: the launch to one side plays once, then the tower holds the matching pose.
constexpr int LaunchLeftAnimation = 3;
constexpr int HoldLeftAnimation = 0;
constexpr int LaunchRightAnimation = 4;
constexpr int HoldRightAnimation = 2;
constexpr double RightHeading = boost::math::double_constants::pi / 5.0;
constexpr double LeftHeading = 4.0 * boost::math::double_constants::pi / 5.0;
// The launch tube: one pixel right of the centre line, 9 pixels above the baseline.
constexpr int TubeRight = 1;
constexpr int TubeHeight = 9;
// Launch smoke blows out on the side of the launch, in a 6-pixel square whose top is 21 pixels
// above the baseline: 3 to 8 pixels right of the centre line, or 4 to 9 pixels left of it.
constexpr int PuffRightOffset = 3;
constexpr int PuffLeftOffset = -9;
constexpr int PuffTop = 21;

constexpr const char* PeriodKey = "Tower2.FreqBase";
constexpr const char* DamageKey = "Tower2.DamageBase";
constexpr const char* SplashDamageKey = "Tower2.DamageSplashBase";
constexpr const char* SplashRadiusKey = "Tower2.SplashRadius";
constexpr const char* RateKey = "Tower2.Upgrade1.Level1.FreqMod";
constexpr const char* BlastKey = "Tower2.Upgrade2.Level2.SplashMod";

TowerWeapons weaponsAt(Config& config, BoughtLevels bought)
{
    TowerWeapons weapons;
    weapons.period = TowerRules::shortened(config, PeriodKey, RateKey, bought.of(RatePath));
    weapons.damage = config.getInt(DamageKey);
    weapons.splashDamage = config.getInt(SplashDamageKey);
    weapons.splashRadius = config.getDouble(SplashRadiusKey);
    for (int i = bought.of(BlastPath); i > 0; --i)
        weapons.splashRadius += static_cast<float>(config.getDouble(BlastKey));
    weapons.missilesPerLaunch = bought.of(DoubleLaunchPath) >= 1 ? 2 : 1;
    return weapons;
}

} // namespace

const KindRules& MissileTurret::rules()
{
    using M = UpgradeModifier;
    static const KindRules own{
        {{PeriodKey, false}, {DamageKey, true}, {SplashDamageKey, true}, {SplashRadiusKey, false}},
        {{TowerKinds::Missile, RatePath, M::Rate, RateKey, false, nullptr},
         {TowerKinds::Missile, BlastPath, M::SplashRadius, BlastKey, false, nullptr}},
        weaponsAt,
    };
    return own;
}

MissileTurret::MissileTurret()
    : Building(TowerKinds::Missile)
{
    Application& app = Application::instance();
    sheet = app.towerTypes[TowerKinds::Missile].spriteSheet;
    const TowerWeapons weapons = TowerRules::weaponsOf(TowerKinds::Missile, upgradeLevels);
    period = weapons.period;
    timer = period * 0.5f;
    damage = weapons.damage;
    splashDamage = weapons.splashDamage;
    splashRadius = weapons.splashRadius;
}

void MissileTurret::update(double dt)
{
    if (!sprite)
        return;
    sprite->update(static_cast<float>(dt));
    for (int shots = takeShots(timer, period, dt); shots > 0; --shots)
        fire();
}

void MissileTurret::upgrade(int p)
{
    countLevel(p);
    const TowerWeapons weapons = TowerRules::weaponsOf(TowerKinds::Missile, upgradeLevels);
    if (p == RatePath)
        period = weapons.period;
    else if (p == BlastPath)
        splashRadius = weapons.splashRadius;
}

const std::vector<TargetPriority::Rule>& MissileTurret::aimChoices() const
{
    return TargetPriority::missileChoices();
}

void MissileTurret::fire()
{
    Application& app = Application::instance();
    const int startX = centreLine() + TubeRight;
    const int startY = app.towerBaseline - TubeHeight;
    auto missile = std::make_unique<MissileProjectile>(startX, startY, damage, splashDamage, splashRadius, credit());
    missile->aim = aim;
    // Nothing to aim at: the launch is skipped, and its period is used up all the same.
    if (!missile->acquireTarget())
        return;

    // The side is judged against the tower's left edge, not its centre.
    firedRight = missile->target->centreX() > x;
    missile->heading = firedRight ? RightHeading : LeftHeading;
    if (firedRight)
        sprite->playThen(LaunchRightAnimation, HoldRightAnimation);
    else
        sprite->playThen(LaunchLeftAnimation, HoldLeftAnimation);
    const double heading = missile->heading;
    app.world->projectiles.push_back(std::move(missile));

    if (levelOf(DoubleLaunchPath) >= 1)
        launchSecondMissile(startX, startY, heading);
    puffLaunchSmoke(firedRight ? PuffRightOffset : PuffLeftOffset, PuffTop);
    app.sound.play(SoundEvent::MissileLaunched, startX);
}

void MissileTurret::launchSecondMissile(int startX, int startY, double heading)
{
    auto missile = std::make_unique<MissileProjectile>(startX, startY, damage, splashDamage, splashRadius, credit());
    missile->aim = aim;
    // The first missile found an invader, so this pick by the same rule finds one too.
    missile->acquireTarget();
    missile->heading = heading;
    Application::instance().world->projectiles.push_back(std::move(missile));
}

