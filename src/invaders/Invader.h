// An enemy on the field. Its wave creates, moves and deletes it; projectiles and towers damage it.
#pragma once

#include <cstdint>
#include <memory>

struct BITMAP;
class AnimatedSprite;
class Wave;

class Invader {
public:
    virtual ~Invader();
    Invader(const Invader&) = delete;
    Invader& operator=(const Invader&) = delete;

    virtual void update(double dt) = 0;
    virtual void draw(BITMAP* destination) = 0;
    // Takes health; an invader already at 0 or below ignores further damage.
    virtual void takeDamage(int amount) = 0;

    // Centre of the current frame: top-left plus half its size, halves by integer division.
    double centreX() const;
    double centreY() const;
    // Where effects about this invader go: the top-left truncated first, then the same halves.
    int effectX() const;
    int effectY() const;

    double x = 0.0;
    double y = 0.0;
    int health = 0;
    int maxHealth = 0;
    std::unique_ptr<AnimatedSprite> sprite;
    double radius = 0.0;
    Wave* wave = nullptr;
    // Its place in the kinds' table (0 the Squibble) and the health points its landing costs.
    int kind = 0;
    int landingCost = 1;
    // Distinct for every invader of the run, so a reference can tell a new invader that happens to
    // occupy a deleted one's memory from the one it meant.
    const std::uint64_t serial;

protected:
    Invader();

private:
    static std::uint64_t nextSerial();
};
