// The subcommands of mztool in one table, and the dispatch from a command line to them.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace mztool {

using Arguments = std::vector<std::string>;

// Exit statuses of the tool.
constexpr int ExitSuccess = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

struct Command {
    const char* name;
    const char* argumentsUsage;
    const char* summary;
    std::size_t argumentCount;
    // Receives only the command's own arguments, already counted.
    int (*run)(const Arguments& arguments, std::ostream& out, std::ostream& err);
};

// Every subcommand; adding one is adding a row here.
const std::vector<Command>& commandTable();

// Runs the command line without the program name; returns the exit status.
int runTool(const Arguments& commandLine, std::ostream& out, std::ostream& err);

} // namespace mztool
