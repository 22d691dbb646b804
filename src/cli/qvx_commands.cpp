#include "cli/offline_commands.h"
#include "cli/qvx_tool.h"

namespace quorvex {

const std::vector<QvxCommand>& QvxCommands() {
    // One row per command; the usage text starts with the command's name.
    static const std::vector<QvxCommand> commands{
        {"new", std::string(NewUsage), RunNewCommand},
        {"dump", std::string(DumpUsage), RunDumpCommand},
        {"save", std::string(SaveUsage), RunSaveCommand},
        {"image", std::string(ImageUsage), RunImageCommand},
        {"decode", std::string(DecodeUsage), RunDecodeCommand},
        {"response", std::string(ResponseUsage), RunResponseCommand},
        {"import", std::string(ImportUsage), RunImportCommand},
    };
    return commands;
}

} // namespace quorvex
