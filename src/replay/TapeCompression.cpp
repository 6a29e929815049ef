#include "replay/TapeCompression.h"

#include <zlib.h>

namespace {

constexpr std::size_t Chunk = 1 << 16;

} // namespace

std::string TapeCompression::pack(const std::string& bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                  static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
        return std::string();
    packed.resize(size);
    return packed;
}

std::optional<std::string> TapeCompression::unpack(const std::string& packed, std::size_t maxBytes)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    std::string out;
    int status = Z_OK;
    while (status == Z_OK) {
        if (out.size() >= maxBytes) {
            status = Z_MEM_ERROR;
            break;
        }
        const std::size_t before = out.size();
        const std::size_t room = std::min(Chunk, maxBytes - before);
        out.resize(before + room);
        stream.next_out = reinterpret_cast<Bytef*>(&out[before]);
        stream.avail_out = static_cast<uInt>(room);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(before + room - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break;
    }
    const bool whole = status == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!whole)
        return std::nullopt;
    return out;
}
