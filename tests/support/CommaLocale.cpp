#include "support/CommaLocale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

bool writesComma()
{
    char text[8];
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    return std::strcmp(text, "0,5") == 0;
}

} // namespace

CommaLocale::CommaLocale()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
        if (std::setlocale(LC_ALL, name) && writesComma())
            return;
    char pattern[] = "/tmp/squibble-locale.XXXXXX";
    if (!mkdtemp(pattern)) {
        problem = "no temporary folder";
        return;
    }
    folder = pattern;
    const std::string command = "bash tests/support/make_comma_locale.sh " + folder;
    // glibc reads LOCPATH at each setlocale call.
    if (std::system(command.c_str()) != 0 || setenv("LOCPATH", folder.c_str(), 1) != 0 ||
        !std::setlocale(LC_ALL, "xx_XX.UTF-8") || !writesComma())
        problem = "no decimal-comma locale could be made with localedef";
}

CommaLocale::~CommaLocale()
{
    std::setlocale(LC_ALL, "C");
    if (!folder.empty()) {
        unsetenv("LOCPATH");
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}
