#include "audio/VoiceLimiter.h"

#include <algorithm>

bool VoiceLimiter::admit(int id, double now, double seconds)
{
    if (id < 0)
        return false;
    if (static_cast<std::size_t>(id) >= sounds.size())
        sounds.resize(static_cast<std::size_t>(id) + 1);
    Copies& copies = sounds[static_cast<std::size_t>(id)];
    auto& endings = copies.endings;
    endings.erase(std::remove_if(endings.begin(), endings.end(), [now](double end) { return end <= now; }),
                  endings.end());
    // A clock that went backwards starts the count afresh rather than silencing the sound for good.
    if (copies.started && now >= copies.lastStart && now - copies.lastStart < MinimumGap)
        return false;
    if (static_cast<int>(endings.size()) >= MaxCopies)
        return false;
    endings.push_back(now + std::max(seconds, 0.0));
    copies.lastStart = now;
    copies.started = true;
    return true;
}

void VoiceLimiter::clear()
{
    sounds.clear();
}
