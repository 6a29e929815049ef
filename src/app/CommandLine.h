// Reads the game's command line into LaunchOptions and writes the help, version and usage texts.
#pragma once

#include "app/LaunchOptions.h"

#include <cstdio>
#include <string>
#include <vector>

class CommandLine {
public:
    enum class Action { Play, ShowHelp, ShowVersion, Fail };

    explicit CommandLine(std::string version);

    // Fills options from the arguments. On Fail, error() says what was wrong; options then hold
    // whatever was read before the fault and must not be used.
    Action parse(int argc, const char* const argv[], LaunchOptions& options);

    const std::string& error() const { return problem; }
    // One line: the fault and the usage, for standard error.
    std::string usageLine() const;
    // The options, the controls and the places tried for the game folder, one per line.
    std::string helpText(const std::vector<std::string>& dataPlaces) const;
    std::string versionText() const;
    // Writes the help or version text: the exit status, 0 when all of it was written, else 1 after
    // a line on standard error (a full disk, a closed pipe).
    static int show(const std::string& text, std::FILE* out);

private:
    std::string version;
    std::string problem;
};
