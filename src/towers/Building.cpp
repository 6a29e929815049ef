#include "towers/Building.h"

#include "app/Application.h"
#include "assets/AnimatedSprite.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "game/World.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A frame far longer than any real one (a stalled process, a broken clock) must not flood the
// field with shots or spin on a timer too large for the period to make a dent in it.
constexpr int MaxShotsPerUpdate = 1000;
// Projectiles the field holds at most. A shot due while it is this full is spent unfired, so
// that no period, however short, can bury the frames in bolts and missiles.
constexpr std::size_t MaxLiveProjectiles = 300;

// How many more shots the World has room for.
int roomForShots()
{
    const World* world = Application::instance().world;
    if (!world)
        return MaxShotsPerUpdate;
    const std::size_t used = world->projectiles.size();
    return used >= MaxLiveProjectiles ? 0 : static_cast<int>(MaxLiveProjectiles - used);
}

} // namespace

Building::Building(int kind)
    : kind(kind)
{
    const TowerType& type = Application::instance().towerTypes.at(static_cast<std::size_t>(kind));
    upgradeLevels.assign(static_cast<std::size_t>(std::max(type.upgradeCount, 0)), 0);
}

Building::~Building() = default;

void Building::place(int left)
{
    if (sheet)
        sprite = std::make_unique<AnimatedSprite>(sheet);
    x = left;
}

void Building::draw(BITMAP* destination)
{
    if (sprite)
        sprite->draw(destination, x, Application::instance().towerBaseline - sprite->height());
}

void Building::sell()
{
    Application& app = Application::instance();
    const int refund = app.towerTypes.at(static_cast<std::size_t>(kind)).refund();
    app.world->purse.refund(refund);

    char text[32];
    std::snprintf(text, sizeof text, "+%d", refund);
    // A tower without a sprite has no frame to centre on: its text starts at its left edge.
    int textX = x;
    int textY = app.towerBaseline;
    if (sprite) {
        textX += sprite->width() / 2;
        textY -= sprite->height() / 2;
    }
    app.world->effects.push_back(std::make_unique<TextEffect>(textX, textY, app.fontSmall.get(), text));
}

int Building::firstFrameWidth() const
{
    return SpriteSheet::firstFrameWidth(sheet);
}

const std::vector<TargetPriority::Rule>& Building::aimChoices() const
{
    static const std::vector<TargetPriority::Rule> none;
    return none;
}

bool Building::stepAim()
{
    const std::vector<TargetPriority::Rule>& choices = aimChoices();
    if (choices.empty())
        return false;
    const auto at = std::find(choices.begin(), choices.end(), aim);
    aim = (at == choices.end() || at + 1 == choices.end()) ? choices.front() : *(at + 1);
    aimChosen = true;
    return true;
}

bool Building::aimsByDefault() const
{
    const std::vector<TargetPriority::Rule>& choices = aimChoices();
    return choices.empty() || aim == choices.front();
}

int Building::levelOf(int p) const
{
    if (p < 0 || static_cast<std::size_t>(p) >= upgradeLevels.size())
        return 0;
    return upgradeLevels[static_cast<std::size_t>(p)];
}

void Building::countLevel(int p)
{
    if (p >= 0 && static_cast<std::size_t>(p) < upgradeLevels.size())
        ++upgradeLevels[static_cast<std::size_t>(p)];
}

int Building::takeShots(float& timer, float period, double dt)
{
    // Only a period that cannot pace at all (0, negative, not a number) takes the floor; every
    // positive period fires at its own rate, bounded by MaxShotsPerUpdate and the room left.
    const float step = period > 0.0f ? period : MinimumPeriod;
    // A timer that is not a number (half of a period that is not one) starts again from 0.
    if (!std::isfinite(timer))
        timer = 0.0f;
    timer += dt;
    if (!std::isfinite(timer) || !std::isfinite(step))
        timer = 0.0f;
    int shots = 0;
    while (timer > step && shots < MaxShotsPerUpdate) {
        timer -= step;
        ++shots;
    }
    if (timer > step)
        timer = std::fmod(timer, step);
    return std::min(shots, roomForShots());
}

void Building::puffLaunchSmoke(int offset, int height) const
{
    // One puff every 0.07 s after a 0.1 s pause, scattered over a 6-pixel square.
    constexpr int PuffSpread = 6;
    constexpr int PuffCount = 3;
    constexpr double PuffDelay = 0.1;
    constexpr double PuffStagger = 0.07;
    Application& app = Application::instance();
    const int centre = centreLine();
    for (int i = 0; i < PuffCount; ++i) {
        const int a = std::rand();
        const int b = std::rand();
        app.world->effects.push_back(std::make_unique<SimpleEffect>(centre + a % PuffSpread + offset,
                                                                    b % PuffSpread + app.towerBaseline - height,
                                                                    app.puff2Sheet.get(), PuffDelay + i * PuffStagger));
    }
}
