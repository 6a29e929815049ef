// The figures of the tower the player is weighing up, in a panel at the top-left of the sky: the
// kind under the mouse on the build bar or being placed, or the selected tower with its levels,
// kills and damage dealt, and what the hovered upgrade would change ("2.1/s (+0.4)"). Reads only
// the frame's view; the range rings read the same subject.
#pragma once

#include "hud/TowerFigures.h"
#include "towers/TowerRules.h"

#include <array>

struct BITMAP;
struct FrameView;
class Building;

// What the figures are about this frame.
struct FiguresSubject {
    bool shown = false;
    int kind = 0;
    const Building* tower = nullptr; // the selected tower; null for a kind on the build bar
    TowerFigures now;
    int path = -1;                   // the hovered upgrade path; -1 for none
    TowerFigures after;              // with one more level of that path
};

class TowerFiguresPanel {
public:
    // Worked out again only when the kind, tower, levels or hovered path change, so drawing
    // reads no configuration and allocates nothing.
    const FiguresSubject& subject(const FrameView& view) const;
    void draw(BITMAP* target, const FrameView& view) const;

private:
    struct Key {
        int mode = -1;
        int kind = -1;
        const Building* tower = nullptr;
        std::array<int, TowerRules::MostPaths> levels{};
        int path = -1;
        bool operator==(const Key& other) const;
    };

    static Key keyOf(const FrameView& view);

    mutable Key cachedKey;
    mutable FiguresSubject cached;
};
