#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quorvex {

/// One `qvx` command: its name, a one-line usage and what it runs.
struct QvxCommand {
    std::string Name;
    std::string Usage;
    int (*Run)(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

/// Every command the tool knows.
const std::vector<QvxCommand>& QvxCommands();

/// Runs `qvx ARGS...`: 0 on success, 1 with the system's message on stderr on failure,
/// 2 on a usage error.
int RunQvx(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace quorvex
