// The clouds behind the field: the new game's groups of them, back to front, and their drift
// leftwards, each wrapping round to the right edge once it has left the field.
#pragma once

#include "app/ContentFiles.h"

#include <array>
#include <list>

struct BITMAP;

struct Cloud {
    double x = 0.0;     // left edge
    double y = 0.0;     // top edge
    double speed = 0.0; // pixels per second, leftwards
    int imageIndex = 0; // into the Application's cloudImages
};

class Clouds {
public:
    // The images the clouds are drawn with, by imageIndex.
    using Images = std::array<BITMAP*, ContentFiles::CloudCount>;

    // A new game's clouds in place of the old: 17 in five groups, slowest (furthest back) first,
    // each placed with two draws of the C library's rand.
    static void scatter(std::list<Cloud>& clouds);
    // Moves every cloud dt seconds leftwards; one past its image's width left of the field
    // starts again at the right edge.
    static void drift(std::list<Cloud>& clouds, double dt, const Images& images);
};
