#include "autoplay/HeadlessGame.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "assets/MzImage.h"
#include "game/Field.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace autoplay {

namespace {

constexpr int BackBufferWidth = Field::Width;
constexpr int BackBufferHeight = Field::Height;

void startLibrary()
{
    // A test runner may have started the library already.
    if (!system_driver)
        install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(32);
    registerMzLoader();
}

} // namespace

std::vector<std::string> startHeadless(const std::string& dataRoot)
{
    if (chdir(dataRoot.c_str()) != 0)
        return {"cannot enter the directory \"" + dataRoot + "\""};
    startLibrary();
    Application& app = Application::instance();
    app.config.clear();
    if (!app.config.load(Config::GamePath))
        return {std::string("cannot open ") + Config::GamePath + " in \"" + dataRoot + "\""};
    if (!app.backBuffer)
        app.backBuffer = std::make_unique<BackBuffer>(BackBufferWidth, BackBufferHeight);
    app.minFrameTime = app.config.getDouble("TimestepThreshold");
    return app.loadContent();
}

} // namespace autoplay
