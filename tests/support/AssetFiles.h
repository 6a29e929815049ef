// Helpers for tests of the image and sheet formats: a scratch directory that removes itself,
// a little-endian byte builder and a writer for plain or gzip-compressed files.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace assetfiles {

using Bytes = std::vector<unsigned char>;

// A fresh directory under the test temp directory, deleted with everything in it at the end.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string path(const std::string& name) const { return root + "/" + name; }

    std::string root;
};

// Appends values in the byte order the game's files use.
class ByteBuilder {
public:
    ByteBuilder& u16(unsigned value);
    ByteBuilder& f32(float value);
    ByteBuilder& raw(std::initializer_list<unsigned char> values);
    ByteBuilder& rgb(int r, int g, int b);
    ByteBuilder& append(const Bytes& more);

    Bytes bytes;
};

// An image body whose pixel at (x, y) is (x * 40, y * 40, 7); no pixel is the mask colour.
Bytes gradientImage(int width, int height);

// Writes the bytes as they are, or gzip-compressed.
void writeFile(const std::string& path, const Bytes& bytes, bool compressed);
Bytes readFile(const std::string& path);

} // namespace assetfiles
