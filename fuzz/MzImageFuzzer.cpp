// Fuzzes the .mz reader: any bytes, compressed or not, give null or a bitmap of the size the
// header states, within the side limit, and never a crash, leak or unbounded allocation.
#include "FuzzInput.h"

#include "assets/MzImage.h"

#include <allegro.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzinput::startLibrary();
    const std::string path = fuzzinput::writeScratchFile(data, size, ".mz");
    BITMAP* image = load_bitmap(path.c_str(), nullptr);
    if (!image)
        return 0;
    if (image->w < 1 || image->h < 1 || image->w > MaxMzImageSide || image->h > MaxMzImageSide)
        fuzzinput::fail("image side outside 1..MaxMzImageSide");
    if (size >= 4 && data[0] != 0x1f && (image->w != data[0] + 256 * data[1] || image->h != data[2] + 256 * data[3]))
        fuzzinput::fail("plain file decoded to a size other than its header");
    destroy_bitmap(image);
    return 0;
}
