#pragma once

#include "cli/command_line.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The commands of qvx that need no processor. Each takes the arguments after its name and
// returns the tool's exit code; output files are written only when the command succeeds.

namespace quorvex {

using CommandArguments = std::vector<std::string>;

inline constexpr std::string_view NewUsage = "new -o OUT.QVX";
inline constexpr std::string_view DumpUsage = "dump FILE.QVX";
inline constexpr std::string_view SaveUsage = "save FILE.QVX -o OUT.QVX";
inline constexpr std::string_view ImageUsage = "image FILE.QVX -o IMAGE.bin";
inline constexpr std::string_view DecodeUsage = "decode IMAGE.bin -o OUT.QVX";
inline constexpr std::string_view ResponseUsage =
    "response FILE.QVX --stage eq|xover|final [--phase] [--views KPXGD]";
inline constexpr std::string_view ImportUsage =
    "import --format N [--ref DB] [--sensitivity MV_PER_PA] MEAS.txt";

int RunNewCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int RunDumpCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int RunSaveCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int RunImageCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int RunDecodeCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int RunResponseCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int RunImportCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);

/// Parses a command's arguments; on a usage error writes it with the command's usage to
/// `err` and returns nothing (the command then exits with ExitUsage).
std::optional<CommandLine> ParseCommandArguments(std::string_view usage,
                                                 const CommandArguments& arguments,
                                                 const CommandSyntax& syntax, std::ostream& err);

/// Reports a usage error found after parsing, as ParseCommandArguments does; ExitUsage.
int UsageError(std::string_view usage, std::string_view error, std::ostream& err);

/// Reports a failure: "qvx: " and the message on `err`; ExitFailure.
int Failure(std::string_view message, std::ostream& err);

} // namespace quorvex
