#include "audio/SoundClip.h"

#include "audio/WavFile.h"

#include <allegro.h>

SoundClip::SoundClip(std::string name, SAMPLE* sample)
    : source(std::move(name))
    , data(sample)
{
}

SoundClip::~SoundClip()
{
    if (data)
        destroy_sample(data);
}

std::unique_ptr<SoundClip> SoundClip::load(const std::string& path, std::string& error)
{
    WavFile header;
    if (!header.inspect(path, error))
        return nullptr;
    SAMPLE* sample = load_sample(path.c_str());
    if (!sample) {
        error = "Allegro cannot read it";
        return nullptr;
    }
    return std::make_unique<SoundClip>(path, sample);
}

double SoundClip::seconds() const
{
    return data && data->freq > 0 ? static_cast<double>(data->len) / data->freq : 0.0;
}
