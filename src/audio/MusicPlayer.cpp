// Cross-fades the game's music pieces and feeds them, levelled, to the music output.
#include "audio/MusicPlayer.h"

#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/DataFolder.h"
#include "files/PlainText.h"

#include <algorithm>
#include <cmath>

namespace {

// Blocks handed to the output in one update: enough to refill its buffers after a long frame,
// never an endless loop on an output that always asks for more.
constexpr int MaxBlocksPerUpdate = 4;

int index(MusicPiece piece)
{
    return static_cast<int>(piece);
}

} // namespace

MusicPlayer::MusicPlayer() = default;
MusicPlayer::~MusicPlayer() = default;

std::vector<std::string> MusicPlayer::load(Config& config, const std::string& gameFolder)
{
    std::vector<std::string> problems;
    setVolume(config.getInt(ConfigKeys::MusicVolume));
    for (int i = 0; i < MusicPieceCount; ++i) {
        const MusicPiece piece = static_cast<MusicPiece>(i);
        const std::string& path = config.get(musicKey(piece));
        std::string bytes;
        std::string error;
        const bool read = !path.empty() && MusicModule::read(DataFolder::resolve(gameFolder, path), bytes, error);
        if (read && bytes.empty())
            error = "the file is empty";
        if (read && !bytes.empty())
            error = setModule(piece, std::move(bytes));
        else
            setModule(piece, "");
        if (!error.empty())
            problems.push_back("cannot load music \"" + PlainText::printable(path) + "\" (configuration key " +
                               musicKey(piece) + "): " + error);
    }
    return problems;
}

std::string MusicPlayer::setModule(MusicPiece piece, std::string bytes)
{
    if (piece == MusicPiece::None)
        return "";
    std::string error;
    MusicModule check;
    if (!bytes.empty() && !check.load(bytes, error))
        bytes.clear();
    sections[index(piece)] = check.sections();
    modules[index(piece)] = std::move(bytes);
    return error;
}

void MusicPlayer::setOutput(std::unique_ptr<MusicOutput> output)
{
    out = std::move(output);
    for (Voice& voice : voices)
        voice.sounding = false;
    voices[front].piece = MusicPiece::None;
}

void MusicPlayer::setVolume(int volume)
{
    dataVolume = std::clamp(volume, 0, MaxVolume);
}

void MusicPlayer::setLevel(int share)
{
    percent = std::clamp(share, 0, 100);
}

double MusicPlayer::targetLevel() const
{
    if (isMuted)
        return 0.0;
    return dataVolume / double(MaxVolume) * percent / 100.0 * (isQuiet ? QuietShare : 1.0);
}

int MusicPlayer::sectionFor(const MusicCue& cue) const
{
    if (cue.piece != MusicPiece::Wave)
        return 0;
    const int count = std::max(sections[index(MusicPiece::Wave)], 1);
    return std::clamp((cue.wave - 1) / WavesPerSection, 0, count - 1);
}

void MusicPlayer::follow(const MusicCue& cue)
{
    isQuiet = cue.quiet;
    const int section = sectionFor(cue);
    Voice& current = voices[front];
    if (cue.piece == current.piece && section == current.section)
        return;
    current.direction = -1;
    front = incomingVoice(cue.piece, section);
    Voice& incoming = voices[front];
    if (incoming.sounding && incoming.piece == cue.piece && incoming.section == section) {
        incoming.direction = 1; // fading out, it turns back from where it is
        return;
    }
    incoming.piece = cue.piece;
    incoming.section = section;
    // The game-over sting strikes at once; the other pieces fade in.
    incoming.gain = cue.piece == MusicPiece::GameOver ? 1.0 : 0.0;
    incoming.direction = 1;
    incoming.sounding = false;
    if (!out || cue.piece == MusicPiece::None || modules[index(cue.piece)].empty())
        return;
    std::string error;
    incoming.sounding = incoming.module.load(modules[index(cue.piece)], error) &&
                        incoming.module.start(section, out->rate(), cue.piece != MusicPiece::GameOver);
}

int MusicPlayer::incomingVoice(MusicPiece piece, int section) const
{
    // The same piece still fading out, else a silent voice: one that still sounds is never
    // reloaded while another is free, and at worst the quietest is.
    int chosen = -1;
    for (int i = 0; i < static_cast<int>(voices.size()); ++i) {
        const Voice& voice = voices[static_cast<std::size_t>(i)];
        if (i == front)
            continue;
        if (voice.sounding && voice.piece == piece && voice.section == section)
            return i;
        const bool better = chosen < 0 || (voices[chosen].sounding && (!voice.sounding || voice.gain < voices[chosen].gain));
        if (better)
            chosen = i;
    }
    return chosen;
}

void MusicPlayer::update()
{
    for (int blocks = 0; out && blocks < MaxBlocksPerUpdate; ++blocks) {
        const int frames = out->wanted();
        if (frames <= 0)
            return;
        mix(frames);
        out->write(block.data(), frames);
    }
}

void MusicPlayer::mix(int frames)
{
    const std::size_t values = 2 * static_cast<std::size_t>(frames);
    sum.assign(values, 0.0f);
    block.resize(values);
    const double target = targetLevel();
    // Muted, or silent from the start: nothing to render, and the pieces wait where they are.
    if (target <= 0.0 && mixLevel <= 0.0) {
        std::fill(block.begin(), block.end(), std::int16_t{0});
        return;
    }
    for (Voice& voice : voices)
        addVoice(voice, frames);
    const double levelStep = 1.0 / (LevelSeconds * out->rate());
    for (std::size_t i = 0; i < values; i += 2) {
        mixLevel = mixLevel < target ? std::min(target, mixLevel + levelStep) : std::max(target, mixLevel - levelStep);
        for (std::size_t c = i; c < i + 2; ++c)
            block[c] = static_cast<std::int16_t>(std::clamp(std::lround(sum[c] * mixLevel), -32768L, 32767L));
    }
}

void MusicPlayer::addVoice(Voice& voice, int frames)
{
    if (!voice.sounding)
        return;
    std::int16_t* samples = block.data(); // rendered in place, then summed in
    const bool more = voice.module.render(samples, frames);
    const double step = voice.direction / (FadeSeconds * out->rate());
    for (int f = 0; f < frames; ++f) {
        const float gain = static_cast<float>(voice.gain);
        sum[2 * f] += samples[2 * f] * gain;
        sum[2 * f + 1] += samples[2 * f + 1] * gain;
        voice.gain = std::clamp(voice.gain + step, 0.0, 1.0);
    }
    // A piece that has faded out or ended stops rendering.
    voice.sounding = more && !(voice.direction < 0 && voice.gain <= 0.0);
}
