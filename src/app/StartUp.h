// The steps of start-up that the game and its off-screen tools share: the library's pictures and
// the data set's configuration and content.
#pragma once

#include <string>
#include <vector>

class Application;

class StartUp {
public:
    // 32-bit colour and the .mz image loader; the library must be installed.
    static void preparePictures();
    // From the working directory: reads data/strings.txt, makes the back buffer, loads all
    // content and takes the minimum frame time. Returns one line per problem; a configuration
    // file that cannot be opened is the only one then.
    static std::vector<std::string> loadDataSet(Application& app);
};
