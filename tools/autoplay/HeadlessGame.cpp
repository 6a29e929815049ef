#include "autoplay/HeadlessGame.h"

#include "app/Application.h"
#include "app/StartUp.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace autoplay {

std::vector<std::string> startHeadless(const std::string& dataRoot)
{
    if (chdir(dataRoot.c_str()) != 0)
        return {"cannot enter the directory \"" + dataRoot + "\""};
    // A test runner may have started the library already.
    if (!system_driver)
        install_allegro(SYSTEM_NONE, &errno, std::atexit);
    StartUp::preparePictures();
    return StartUp::loadDataSet(Application::instance());
}

} // namespace autoplay
