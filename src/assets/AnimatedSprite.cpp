#include "assets/AnimatedSprite.h"

#include "assets/SpriteSheet.h"

#include <allegro.h>

AnimatedSprite::AnimatedSprite(const SpriteSheet* sheet)
    : sheet(sheet)
{
}

void AnimatedSprite::setAnimation(int number)
{
    animation = number;
    time = 0.0f;
}

void AnimatedSprite::playThen(int now, int next)
{
    queue.clear();
    queue.push_back(next);
    setAnimation(now);
}

void AnimatedSprite::update(float dt)
{
    time += dt;
    // Without a playable animation there is no cycle to complete; the time just runs on.
    const Animation* playing = sheet ? sheet->animationAt(static_cast<unsigned>(animation)) : nullptr;
    if (!playing)
        return;
    const double cycle = playing->cycleDuration();
    if (time < cycle)
        return;
    // Only one cycle is taken off per call; a long step leaves time above the cycle and the
    // frame choice wraps through its modulo until later calls catch up.
    time = static_cast<float>(time - cycle);
    if (!queue.empty()) {
        animation = queue.front();
        queue.pop_front();
    }
}

void AnimatedSprite::draw(BITMAP* destination, int x, int y) const
{
    if (destination && sheet)
        sheet->draw(destination, x, y, static_cast<unsigned>(animation), time);
}

int AnimatedSprite::width() const
{
    const BITMAP* frame = sheet ? sheet->getFrame(static_cast<unsigned>(animation), time) : nullptr;
    return frame ? frame->w : 0;
}

int AnimatedSprite::height() const
{
    const BITMAP* frame = sheet ? sheet->getFrame(static_cast<unsigned>(animation), time) : nullptr;
    return frame ? frame->h : 0;
}
