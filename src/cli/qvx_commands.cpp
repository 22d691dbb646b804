#include "cli/device_commands.h"
#include "cli/offline_commands.h"
#include "cli/plot_command.h"
#include "cli/qvx_tool.h"
#include "cli/sheet_command.h"

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
        {"plot", std::string(PlotUsage), RunPlotCommand},
        {"sheet", std::string(SheetUsage), RunSheetCommand},
        {"ports", std::string(PortsUsage), RunPortsCommand},
        {"test", std::string(TestUsage), RunTestCommand},
        {"write", std::string(WriteUsage), RunWriteCommand},
        {"read", std::string(ReadUsage), RunReadCommand},
        {"change", std::string(ChangeUsage), RunChangeCommand},
        {"lock", std::string(LockUsage), RunLockCommand},
        {"unlock", std::string(UnlockUsage), RunUnlockCommand},
        {"password", std::string(PasswordUsage), RunPasswordCommand},
        {"update-os", std::string(UpdateOsUsage), RunUpdateOsCommand},
        {"sim", std::string(SimUsage), RunSimCommand},
    };
    return commands;
}

} // namespace quorvex
