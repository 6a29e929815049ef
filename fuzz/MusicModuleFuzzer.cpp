// Fuzzes the music's loading path: any bytes up to the size cap are refused with a reason or
// loaded and rendered for a second of every section, never a crash, leak, hang or unbounded
// allocation.
#include "FuzzInput.h"

#include "audio/MusicModule.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr int Rate = 8000;
    if (size > MusicModule::MaxFileBytes)
        return 0;
    MusicModule module;
    std::string error;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!module.load(bytes, error)) {
        if (error.empty())
            fuzzinput::fail("a module was refused without a reason");
        return 0;
    }
    std::vector<std::int16_t> second(2 * Rate);
    for (int section = 0; section < module.sections() && section < 4; ++section) {
        if (!module.start(section, Rate, section % 2 == 0))
            fuzzinput::fail("a loaded module did not start");
        module.render(second.data(), Rate);
    }
    return 0;
}
