#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

/// A parsed `qvx` command line: the command, its positional arguments and its options.
struct CommandLine {
    std::string Command;
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Options; ///< "--name value" and "-o value"
    std::set<std::string> Flags;                ///< "--name" without a value

    bool Has(std::string_view name) const { return Flags.count(std::string(name)) != 0; }
    std::optional<std::string> Option(std::string_view name) const;
};

/// What a command accepts: options that take a value and flags that do not.
struct CommandSyntax {
    std::set<std::string> ValueOptions;
    std::set<std::string> FlagOptions;
    int MinPositional = 0;
    int MaxPositional = 0;
};

/// Parses the arguments after the command name; an error text on a usage error.
struct ParseResult {
    std::optional<CommandLine> Line;
    std::string Error;
};
ParseResult ParseCommandLine(std::string command, const std::vector<std::string>& arguments,
                             const CommandSyntax& syntax);

/// Exit codes of the tool.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

} // namespace quorvex
