// Test runner: starts Allegro with the headless system driver so memory bitmaps work at 32-bit.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

int main(int argc, char** argv)
{
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(32);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
