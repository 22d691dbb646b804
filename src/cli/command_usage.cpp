#include "cli/offline_commands.h"

namespace quorvex {

namespace {

std::string_view CommandName(std::string_view usage) {
    return usage.substr(0, usage.find(' '));
}

} // namespace

std::optional<CommandLine> ParseCommandArguments(std::string_view usage,
                                                 const CommandArguments& arguments,
                                                 const CommandSyntax& syntax, std::ostream& err) {
    ParseResult parsed = ParseCommandLine(std::string(CommandName(usage)), arguments, syntax);
    if (!parsed.Line) {
        UsageError(usage, parsed.Error, err);
    }
    return std::move(parsed.Line);
}

int UsageError(std::string_view usage, std::string_view error, std::ostream& err) {
    err << "qvx " << CommandName(usage) << ": " << error << "\nusage: qvx " << usage << '\n';
    return ExitUsage;
}

int Failure(std::string_view message, std::ostream& err) {
    err << "qvx: " << message << '\n';
    return ExitFailure;
}

} // namespace quorvex
