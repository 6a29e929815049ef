// A shot in flight. The World updates and draws it, reports contacts with invaders through hit,
// and deletes it once it is no longer alive.
#pragma once

struct BITMAP;
class Invader;

class Projectile {
public:
    virtual ~Projectile() = default;
    Projectile(const Projectile&) = delete;
    Projectile& operator=(const Projectile&) = delete;

    virtual void update(double dt) = 0;
    virtual void draw(BITMAP* destination) = 0;
    virtual void hit(Invader* invader) = 0;
    // The invader the shot homes in on; null for a shot that flies straight or has lost its target.
    virtual const Invader* chasing() const { return nullptr; }

    bool alive = true;
    double x = 0.0; // contact point
    double y = 0.0;

protected:
    Projectile(int x, int y) : x(x), y(y) {}
};
