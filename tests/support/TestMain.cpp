// Test runner: starts Allegro with the headless system driver so memory bitmaps work at 32-bit,
// and lets load_bitmap read the game's .mz images.
#include "assets/MzImage.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

int main(int argc, char** argv)
{
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(32);
    registerMzLoader();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
