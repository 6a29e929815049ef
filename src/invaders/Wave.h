// One attack: the invaders the World holds as its current wave. Owns them and deletes the dead.
#pragma once

#include <list>
#include <memory>

struct BITMAP;
class Invader;

class Wave {
public:
    virtual ~Wave();
    Wave(const Wave&) = delete;
    Wave& operator=(const Wave&) = delete;

    // Deletes, in list order, every invader whose health is 0 or less.
    virtual void update(double dt);
    void draw(BITMAP* destination);
    // Whether the invader is still in this wave's list.
    bool contains(const Invader* invader) const;
    // Whether the invaders are about to reach the ground: the health bar warns while they are.
    virtual bool nearGround() const { return false; }
    // The top of the lowest live invader, and the seconds until it lands at the wave's pace; a
    // wave that does not march answers 0 for both.
    virtual double lowestRow() const { return 0.0; }
    virtual double secondsToGround() const { return 0.0; }
    // The way the invaders will next move along their rows: 1 right, -1 left, 0 when they keep no rows.
    virtual int rowDirection() const { return 0; }

    std::list<std::unique_ptr<Invader>> invaders;

protected:
    Wave() = default;
};
