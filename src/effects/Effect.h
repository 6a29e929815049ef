// A short-lived picture without influence on play. The World updates and draws it each frame
// and deletes it once its elapsed time has reached its lifetime.
#pragma once

struct BITMAP;

class Effect {
public:
    virtual ~Effect() = default;
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    // Adds dt to elapsed; every kind calls this exactly once per update.
    virtual void update(double dt) { elapsed += dt; }
    virtual void draw(BITMAP* destination) = 0;

    bool finished() const { return !(lifetime > elapsed); }

    double elapsed = 0.0;
    double lifetime = 0.0;

protected:
    Effect() = default;
};
