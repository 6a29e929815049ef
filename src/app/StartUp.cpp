#include "app/StartUp.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "app/ConfigKeys.h"
#include "assets/MzImage.h"

#include <allegro.h>
#include <unistd.h>

namespace {

std::string workingDirectory()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : "(unknown)";
}

} // namespace

void StartUp::preparePictures()
{
    registerMzLoader();
    set_color_depth(32);
}

std::vector<std::string> StartUp::loadDataSet(Application& app)
{
    app.config.clear();
    if (!app.config.load(Config::GamePath))
        return {std::string("cannot open ") + Config::GamePath + " (working directory " + workingDirectory() + ")"};
    if (!app.backBuffer)
        app.backBuffer = std::make_unique<BackBuffer>(BackBuffer::Width, BackBuffer::Height);
    if (!app.backBuffer->bitmap)
        return {"cannot create the back buffer"};
    std::vector<std::string> problems = app.loadContent();
    app.minFrameTime = app.config.getDouble(ConfigKeys::TimestepThreshold);
    return problems;
}
