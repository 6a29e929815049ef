// mztool: packs PNG art into the game's .mz images and .sz sprite sheets, unpacks them and
// describes them. Run without arguments for the list of commands.
#include "assets/MzImage.h"
#include "mztool/CommandTable.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    // Headless: only memory bitmaps are needed, at the game's colour depth.
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) {
        std::cerr << "mztool: cannot initialise the graphics library\n";
        return mztool::ExitFailure;
    }
    set_color_depth(32);
    registerMzLoader();
    const mztool::Arguments commandLine(argv + 1, argv + argc);
    return mztool::runTool(commandLine, std::cout, std::cerr);
}
END_OF_MAIN()
