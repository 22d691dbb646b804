#include "cli/command_line.h"

namespace quorvex {

std::optional<std::string> CommandLine::Option(std::string_view name) const {
    const auto found = Options.find(std::string(name));
    if (found == Options.end()) {
        return std::nullopt;
    }
    return found->second;
}

ParseResult ParseCommandLine(std::string command, const std::vector<std::string>& arguments,
                             const CommandSyntax& syntax) {
    CommandLine line;
    line.Command = std::move(command);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = argument.size() > 1 && argument[0] == '-' &&
                              !(argument[1] >= '0' && argument[1] <= '9');
        if (!isOption) {
            line.Positional.push_back(argument);
            continue;
        }
        if (syntax.FlagOptions.count(argument) != 0) {
            line.Flags.insert(argument);
            continue;
        }
        if (syntax.ValueOptions.count(argument) == 0) {
            return {std::nullopt, "unknown option " + argument};
        }
        if (i + 1 >= arguments.size()) {
            return {std::nullopt, "option " + argument + " needs a value"};
        }
        line.Options[argument] = arguments[++i];
    }
    const int count = static_cast<int>(line.Positional.size());
    if (count < syntax.MinPositional) {
        return {std::nullopt, "missing argument"};
    }
    if (count > syntax.MaxPositional) {
        return {std::nullopt, "unexpected argument " + line.Positional.back()};
    }
    return {std::move(line), {}};
}

} // namespace quorvex
