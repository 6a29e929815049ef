// The clouds' groups and their drift.
#include "game/Clouds.h"

#include "app/Field.h"

#include <allegro.h>
#include <cstdlib>

namespace {

// The cloud groups, back to front: how many, spacing, random spread, height band, speed, image.
struct CloudGroup {
    int count;
    int offsetStep;
    int xSpread;
    int yBase;
    int ySpread;
    double speed;
    int imageIndex;
};
constexpr CloudGroup CloudGroups[] = {
    {6, 60, 30, 50, 10, 0.5, 1}, {4, 80, 30, 50, 10, 1.0, 2}, {3, 110, 30, 48, 8, 1.5, 0},
    {2, 140, 60, 48, 7, 2.0, 4}, {2, 180, 60, 45, 10, 2.5, 3},
};

} // namespace

void Clouds::scatter(std::list<Cloud>& clouds)
{
    clouds.clear();
    for (const CloudGroup& group : CloudGroups) {
        int offset = 0;
        for (int i = 0; i < group.count; ++i, offset += group.offsetStep) {
            Cloud cloud;
            cloud.x = offset + std::rand() % group.xSpread;
            cloud.y = group.yBase + std::rand() % group.ySpread;
            cloud.speed = group.speed;
            cloud.imageIndex = group.imageIndex;
            clouds.push_back(cloud);
        }
    }
}

void Clouds::drift(std::list<Cloud>& clouds, double dt, const Images& images)
{
    for (Cloud& cloud : clouds) {
        cloud.x -= dt * cloud.speed;
        const BITMAP* image = images[cloud.imageIndex];
        const int width = image ? image->w : 0;
        if (cloud.x < -width)
            cloud.x = Field::Width;
    }
}
