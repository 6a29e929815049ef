#include "audio/WavFile.h"

#include "files/AtomicFile.h"

#include <cstring>

namespace {

constexpr std::uint32_t RiffHeaderBytes = 12;
constexpr std::uint32_t ChunkHeaderBytes = 8;
constexpr std::uint32_t FormatBytes = 16;
constexpr int PcmFormat = 1;
constexpr std::uint32_t MaxSampleRate = 192000;

std::uint32_t little32(const unsigned char* bytes)
{
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

int little16(const unsigned char* bytes)
{
    return bytes[0] | (bytes[1] << 8);
}

} // namespace

bool WavFile::inspect(const std::string& path, std::string& error)
{
    std::string bytes;
    return AtomicFile::read(path, MaxFileBytes).take(bytes, error) && parse(bytes, error);
}

bool WavFile::parse(const std::string& text, std::string& error)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    if (size < RiffHeaderBytes || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        error = "not a WAV file";
        return false;
    }
    bool haveFormat = false;
    std::size_t at = RiffHeaderBytes;
    while (at + ChunkHeaderBytes <= size) {
        const std::uint32_t length = little32(&bytes[at + 4]);
        const std::size_t body = at + ChunkHeaderBytes;
        if (length > size - body) {
            error = "a chunk runs past the end of the file";
            return false;
        }
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0) {
            if (length < FormatBytes || little16(&bytes[body]) != PcmFormat) {
                error = "not plain PCM sound";
                return false;
            }
            channels = little16(&bytes[body + 2]);
            sampleRate = little32(&bytes[body + 4]);
            bitsPerSample = little16(&bytes[body + 14]);
            haveFormat = true;
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            if (!haveFormat) {
                error = "sample data comes before its format";
                return false;
            }
            if ((channels != 1 && channels != 2) || (bitsPerSample != 8 && bitsPerSample != 16) || sampleRate == 0 ||
                sampleRate > MaxSampleRate) {
                error = "unsupported format (" + std::to_string(channels) + " channels, " +
                        std::to_string(bitsPerSample) + " bits, " + std::to_string(sampleRate) + " Hz)";
                return false;
            }
            const std::uint32_t frameBytes = static_cast<std::uint32_t>(channels * bitsPerSample / 8);
            dataBytes = length - length % frameBytes; // a partial frame at the end is not sound
            if (dataBytes == 0) {
                error = "holds no sound";
                return false;
            }
            samples.assign(text, body, dataBytes);
            return true;
        }
        // Chunks are padded to an even length.
        at = body + length + (length & 1u);
    }
    error = "no sample data";
    return false;
}

double WavFile::seconds() const
{
    const double frameBytes = channels * (bitsPerSample / 8);
    return frameBytes > 0 && sampleRate > 0 ? dataBytes / frameBytes / sampleRate : 0.0;
}
