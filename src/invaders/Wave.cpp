#include "invaders/Wave.h"

#include "invaders/Invader.h"

#include <algorithm>

Wave::~Wave() = default;

void Wave::update(double)
{
    invaders.remove_if([](const std::unique_ptr<Invader>& invader) { return invader->health <= 0; });
    for (std::unique_ptr<Invader>& invader : joining)
        invaders.push_back(std::move(invader));
    joining.clear();
}

void Wave::draw(BITMAP* destination)
{
    for (const std::unique_ptr<Invader>& invader : invaders)
        invader->draw(destination);
}

void Wave::join(std::unique_ptr<Invader> invader)
{
    invader->wave = this;
    joining.push_back(std::move(invader));
}

bool Wave::contains(const Invader* invader) const
{
    return std::any_of(invaders.begin(), invaders.end(),
                       [invader](const std::unique_ptr<Invader>& held) { return held.get() == invader; });
}
