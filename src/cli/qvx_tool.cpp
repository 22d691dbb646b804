#include "cli/qvx_tool.h"

#include "cli/command_line.h"

namespace quorvex {

namespace {

void PrintUsage(std::ostream& err) {
    err << "usage: qvx COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const QvxCommand& command : QvxCommands()) {
        err << "  qvx " << command.Usage << '\n';
    }
}

} // namespace

int RunQvx(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        PrintUsage(err);
        return arguments.empty() ? ExitUsage : ExitSuccess;
    }
    for (const QvxCommand& command : QvxCommands()) {
        if (command.Name == arguments[0]) {
            return command.Run({arguments.begin() + 1, arguments.end()}, out, err);
        }
    }
    err << "qvx: unknown command " << arguments[0] << '\n';
    PrintUsage(err);
    return ExitUsage;
}

} // namespace quorvex
