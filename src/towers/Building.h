// The base of the tower kinds: placement on the baseline, drawing, upgrade counters,
// shot pacing and the sale. Each kind adds its weapon in update and its upgrades in upgrade.
#pragma once

#include "stats/HitCredit.h"
#include "stats/TowerTally.h"
#include "towers/TargetPriority.h"

#include <memory>
#include <vector>

struct BITMAP;
class AnimatedSprite;
class SpriteSheet;

class Building {
public:
    virtual ~Building();
    Building(const Building&) = delete;
    Building& operator=(const Building&) = delete;

    virtual void draw(BITMAP* destination);
    virtual void update(double dt) = 0;
    // Buys one level of path p (the tower actions have checked the level exists and the purse has
    // paid its price).
    virtual void upgrade(int p) = 0;

    // Sets the left edge and creates the sprite (when the kind has a sheet).
    void place(int left);
    // Pays back the kind's refund (TowerType::refund) and shows it as a drifting text.
    void sell();
    // Width of animation 0's first frame of the kind's sheet; 0 without one.
    int firstFrameWidth() const;
    // The tower's centre line: its left edge and half the first frame's width.
    int centreLine() const { return x + firstFrameWidth() / 2; }
    // The rules the player may step this tower through, its kind's own first; none for a tower
    // with nothing to aim (the laser turret until its missile launcher is bought).
    virtual const std::vector<TargetPriority::Rule>& aimChoices() const;
    // Steps `aim` to the next of the choices, round to the first; false when there are none.
    bool stepAim();
    // Whether the tower aims by its kind's own rule.
    bool aimsByDefault() const;
    // What this tower's shots and strikes are credited to.
    HitCredit credit() const { return HitCredit(kind, tally, books); }

    const SpriteSheet* sheet = nullptr;
    std::unique_ptr<AnimatedSprite> sprite;
    int kind = 0;
    int x = 0;
    std::vector<int> upgradeLevels;
    // What the tower's weapon aims at; each kind's constructor sets its own rule.
    TargetPriority::Rule aim = TargetPriority::Random;
    // Whether the player (or a checkpoint) chose the aim; a tower never stepped keeps its kind's own
    // rule, and a checkpoint says so rather than naming it.
    bool aimChosen = false;
    // The damage dealt and the invaders destroyed by this tower this game.
    std::shared_ptr<TowerTally> tally = std::make_shared<TowerTally>();
    // The books of the game the tower was built in, given by the World that creates it; its
    // damage counts nowhere else without them.
    GameStatistics* books = nullptr;

    // The period a tower fires at when its own cannot pace (0, negative or not a number).
    static constexpr float MinimumPeriod = 0.05f;

protected:
    explicit Building(int kind);

    // Adds dt to timer and returns how many shots are due, taking period off for each one while
    // timer is strictly above it. A period of 0 or less, or not a number, paces as MinimumPeriod.
    // Shots due while the World holds 300 projectiles are spent unfired.
    static int takeShots(float& timer, float period, double dt);

    // Levels bought of path p; 0 for a path the kind does not have.
    int levelOf(int p) const;
    // Adds one level to path p's counter (when the kind has that path).
    void countLevel(int p);
    // Three staggered smoke puffs of a missile launch, each centred at a random point of a 6-pixel
    // square whose left edge is `offset` pixels from the tower's centre line and whose top is
    // `height` pixels above the baseline.
    void puffLaunchSmoke(int offset, int height) const;
};
