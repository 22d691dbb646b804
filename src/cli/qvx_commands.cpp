#include "cli/qvx_tool.h"

namespace quorvex {

const std::vector<QvxCommand>& QvxCommands() {
    static const std::vector<QvxCommand> commands{};
    return commands;
}

} // namespace quorvex
