// The help's page of the Mixed mode's invader kinds: each kind's picture, its name and what hurts it.
#pragma once

struct BITMAP;
struct FrameView;

class KindsPage {
public:
    static void draw(BITMAP* target, const FrameView& view);
};
