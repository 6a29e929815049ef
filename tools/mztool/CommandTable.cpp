#include "mztool/CommandTable.h"

#include "mztool/DataChecker.h"
#include "mztool/InfoCommand.h"
#include "mztool/PackCommands.h"
#include "mztool/ReplayCommands.h"
#include "mztool/SaveInfoCommand.h"
#include "mztool/UnpackCommand.h"
#include "files/PlainText.h"

#include <ostream>

namespace mztool {

namespace {

// The status of a run whose output could not all be written is a failure, as for the core utilities.
int written(int status, std::ostream& out, std::ostream& err)
{
    if (out.flush())
        return status;
    err << "mztool: cannot write to standard output\n";
    return ExitFailure;
}

void printUsage(std::ostream& stream)
{
    stream << "usage: mztool COMMAND ARGUMENTS\n";
    for (const Command& command : commandTable())
        stream << "  mztool " << command.name << " " << command.argumentsUsage << "\n      " << command.summary
               << "\n";
}

const Command* findCommand(const std::string& name)
{
    for (const Command& command : commandTable())
        if (name == command.name)
            return &command;
    return nullptr;
}

} // namespace

const std::vector<Command>& commandTable()
{
    static const std::vector<Command> table{
        {"pack-image", "IN.png OUT.mz", "packs a PNG into a compressed .mz image", 2, packImageCommand},
        {"pack-sheet", "IN.png SHEET.txt OUT.sz", "packs a PNG and its sheet description into an .sz sheet", 3,
         packSheetCommand},
        {"unpack", "FILE.mz|FILE.sz OUTDIR", "writes OUTDIR/NAME.png (and NAME.txt for a sheet)", 2, unpackCommand},
        {"info", "FILE", "shows the size, frames, animations and cycle durations of a file", 1, infoCommand},
        {"check", "PATH/data", "loads the folder named data as the game started in PATH does; reports every problem",
         1, checkCommand},
        {"save-info", "FILE",
         "shows what a checkpoint holds, or why it is refused (by the data set in this folder, when there is one)", 1,
         saveInfoCommand},
        {"replay-info", "FILE", "shows what a kept run's replay holds", 1, replayInfoCommand},
        {"replay-check", "FILE",
         "plays a replay headless with the data set in this folder; exit 0 when it ends as recorded", 1,
         replayCheckCommand},
    };
    return table;
}

int runTool(const Arguments& commandLine, std::ostream& out, std::ostream& err)
{
    if (commandLine.empty()) {
        printUsage(err);
        return ExitUsage;
    }
    const std::string& name = commandLine[0];
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(out);
        return written(ExitSuccess, out, err);
    }
    const Command* command = findCommand(name);
    if (!command) {
        err << "mztool: unknown command '" << PlainText::printable(name) << "'\n";
        printUsage(err);
        return ExitUsage;
    }
    const Arguments arguments(commandLine.begin() + 1, commandLine.end());
    if (arguments.size() != command->argumentCount) {
        err << "mztool: " << PlainText::printable(name) << " takes " << command->argumentCount << " argument"
            << (command->argumentCount == 1 ? "" : "s") << ", got " << arguments.size() << "\n"
            << "usage: mztool " << command->name << " " << command->argumentsUsage << "\n";
        return ExitUsage;
    }
    return written(command->run(arguments, out, err), out, err);
}

} // namespace mztool
