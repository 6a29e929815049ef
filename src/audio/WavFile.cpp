#include "audio/WavFile.h"

#include <cstring>
#include <fstream>
#include <vector>

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
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        error = "cannot open it";
        return false;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || size > static_cast<std::streamoff>(MaxFileBytes)) {
        error = "larger than " + std::to_string(MaxFileBytes >> 20) + " MiB";
        return false;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), size);
    if (bytes.size() < RiffHeaderBytes || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        error = "not a WAV file";
        return false;
    }
    bool haveFormat = false;
    std::size_t at = RiffHeaderBytes;
    while (at + ChunkHeaderBytes <= bytes.size()) {
        const std::uint32_t length = little32(&bytes[at + 4]);
        const std::size_t body = at + ChunkHeaderBytes;
        if (length > bytes.size() - body) {
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
            dataBytes = length;
            if (dataBytes == 0) {
                error = "holds no sound";
                return false;
            }
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
