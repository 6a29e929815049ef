#include "audio/SoundBoard.h"

#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/DataFolder.h"
#include "app/Field.h"
#include "audio/SilentSoundOutput.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr double FieldCentre = Field::CentreX;
constexpr int CentrePan = 128;
// How far from the centre a sound at the field's edge is panned (of 128).
constexpr double PanReach = 96.0;

} // namespace

SoundBoard::SoundBoard()
    : out(std::make_unique<SilentSoundOutput>())
{
    clock = [] {
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration<double>(since).count();
    };
}

SoundBoard::~SoundBoard() = default;

std::vector<std::string> SoundBoard::load(Config& config, const std::string& gameFolder)
{
    std::vector<std::string> problems;
    setVolume(config.getInt(ConfigKeys::SoundVolume));
    for (int i = 0; i < SoundEventCount; ++i) {
        const SoundEvent event = static_cast<SoundEvent>(i);
        const std::string& path = config.get(soundKey(event));
        if (path.empty()) {
            setClip(event, nullptr);
            continue;
        }
        std::string error;
        std::unique_ptr<SoundClip> loaded = SoundClip::load(DataFolder::resolve(gameFolder, path), error);
        if (!loaded)
            problems.push_back("cannot load sound \"" + path + "\" (configuration key " + soundKey(event) + "): " + error);
        setClip(event, std::move(loaded));
    }
    return problems;
}

void SoundBoard::setClip(SoundEvent event, std::unique_ptr<SoundClip> clip)
{
    auto& slot = clips[static_cast<std::size_t>(event)];
    // A clip being replaced may still be playing; it must not outlive its sample.
    if (slot)
        out->stop(*slot);
    slot = std::move(clip);
}

const SoundClip* SoundBoard::clip(SoundEvent event) const
{
    return clips[static_cast<std::size_t>(event)].get();
}

void SoundBoard::play(SoundEvent event, double x)
{
    const SoundClip* sound = clip(event);
    const int volume = masterVolume * playerLevel / 100;
    if (isMuted || !sound)
        return;
    if (!limiter.admit(static_cast<int>(event), clock(), sound->seconds()))
        return;
    out->start(*sound, volume, panFor(x));
}

void SoundBoard::play(SoundEvent event)
{
    play(event, FieldCentre);
}

void SoundBoard::setMuted(bool muted)
{
    if (muted && !isMuted)
        stopAll();
    isMuted = muted;
}

void SoundBoard::setVolume(int volume)
{
    masterVolume = std::clamp(volume, 0, MaxVolume);
}

void SoundBoard::setLevel(int percent)
{
    playerLevel = std::clamp(percent, 0, 100);
}

void SoundBoard::setOutput(std::unique_ptr<SoundOutput> output)
{
    stopAll();
    out = output ? std::move(output) : std::make_unique<SilentSoundOutput>();
}

void SoundBoard::stopAll()
{
    for (const auto& sound : clips)
        if (sound)
            out->stop(*sound);
    limiter.clear();
}

int SoundBoard::panFor(double x)
{
    if (!std::isfinite(x))
        return CentrePan;
    const double lean = std::clamp((x - FieldCentre) / FieldCentre, -1.0, 1.0);
    return CentrePan + static_cast<int>(std::lround(lean * PanReach));
}
