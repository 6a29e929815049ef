#include "support/AssetFiles.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace assetfiles {

ScratchDir::ScratchDir()
{
    std::string pattern = ::testing::TempDir() + "squibble-assets-XXXXXX";
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "cannot create a scratch directory from " << pattern;
    root = pattern;
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

ByteBuilder& ByteBuilder::u16(unsigned value)
{
    bytes.push_back(static_cast<unsigned char>(value & 0xff));
    bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
    return *this;
}

ByteBuilder& ByteBuilder::f32(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<unsigned char>((bits >> shift) & 0xff));
    return *this;
}

ByteBuilder& ByteBuilder::raw(std::initializer_list<unsigned char> values)
{
    bytes.insert(bytes.end(), values);
    return *this;
}

ByteBuilder& ByteBuilder::rgb(int r, int g, int b)
{
    return raw({static_cast<unsigned char>(r), static_cast<unsigned char>(g), static_cast<unsigned char>(b)});
}

ByteBuilder& ByteBuilder::append(const Bytes& more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
}

Bytes gradientImage(int width, int height)
{
    ByteBuilder builder;
    builder.u16(static_cast<unsigned>(width)).u16(static_cast<unsigned>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            builder.rgb(x * 40 % 256, y * 40 % 256, 7);
    return builder.bytes;
}

void writeFile(const std::string& path, const Bytes& bytes, bool compressed)
{
    if (compressed) {
        gzFile file = gzopen(path.c_str(), "wb9");
        ASSERT_NE(file, nullptr) << path;
        if (!bytes.empty())
            gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
        gzclose(file);
        return;
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace assetfiles
