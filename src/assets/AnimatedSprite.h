// Plays the animations of one sprite sheet for one game object: current animation, time into
// its cycle, and a queue of animations to switch to when a cycle ends.
#pragma once

#include <deque>

struct BITMAP;
class SpriteSheet;

class AnimatedSprite {
public:
    explicit AnimatedSprite(const SpriteSheet* sheet);

    // Switches at once and restarts the time; the queue stays as it is.
    void setAnimation(int animation);
    // Plays `now` for one cycle, then `next` loops; replaces whatever was queued.
    void playThen(int now, int next);
    // Advances the time; at most one cycle end is handled per call.
    void update(float dt);
    void draw(BITMAP* destination, int x, int y) const;
    // Size of the current frame; 0 without a sheet or frame.
    int width() const;
    int height() const;

    const SpriteSheet* sheet;
    float time = 0.0f;
    int animation = 0;
    std::deque<int> queue;
};
