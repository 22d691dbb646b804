#include "cli/device_commands.h"

#include "app/connect_form.h"
#include "app/input_pass_form.h"
#include "app/main_form.h"
#include "app/open_workflow.h"
#include "app/password_form.h"
#include "cli/device_program.h"
#include "cli/offline_commands.h"
#include "link/device_messages.h"
#include "link/memory_protection.h"
#include "link/operating_system_image.h"
#include "link/port_map.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

#include <cctype>
#include <charconv>
#include <functional>
#include <memory>
#include <optional>

namespace quorvex {

namespace {

/// A device command's parsed line with the COM names it placed.
struct DeviceLine {
    CommandLine Line;
    PortMap Ports;
};

std::optional<DeviceLine> ParseDeviceLine(std::string_view usage, const DeviceArguments& arguments,
                                          CommandSyntax syntax, std::ostream& err) {
    DeviceLine parsed;
    const DeviceArguments rest = parsed.Ports.TakeOptions(arguments);
    syntax.ValueOptions.insert("--port");
    auto line = ParseCommandArguments(usage, rest, syntax, err);
    if (!line) {
        return std::nullopt;
    }
    if (!line->Option("--port")) {
        UsageError(usage, "missing --port DEV", err);
        return std::nullopt;
    }
    parsed.Line = std::move(*line);
    return parsed;
}

/// The value of --memory, 1..60; nothing after reporting the usage error.
std::optional<int> MemoryOf(std::string_view usage, const CommandLine& line, std::ostream& err) {
    const std::optional<std::string> text = line.Option("--memory");
    int memory = 0;
    if (!text) {
        UsageError(usage, "missing --memory N", err);
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), memory);
    if (error != std::errc() || end != text->data() + text->size() || memory < FirstMemory ||
        memory > LastMemory) {
        UsageError(usage, "--memory must be a number from 1 to 60", err);
        return std::nullopt;
    }
    return memory;
}

/// Puts `memory` in the main window's selector; memories 1..20 only after the access code
/// (--unprotect), refused before anything is sent.
bool SelectMemory(DeviceProgram& program, const CommandLine& line, int memory, std::ostream& err) {
    if (const auto code = line.Option("--unprotect")) {
        program.App().Main().LOGOImageClick();
        program.App().InputPass().PasswordEditChange(*code);
        program.App().InputPass().PasswordEditEnter();
    }
    program.App().Main().NProgramSpinChange(memory);
    if (program.App().Processor().MemoryNumber != memory) {
        err << "qvx: " << device_message::ProtectedByProgramPrefix << memory
            << device_message::ProtectedByProgramSuffix << '\n';
        return false;
    }
    return true;
}

using Step = std::function<bool(DeviceProgram&)>;

/// Runs `prepare` (before anything is sent), connects to the --port device and runs
/// `operate`. The serial port needs a Qt core application; one is made when none exists.
int RunOnProcessor(const DeviceLine& parsed, std::ostream& err, const Step& prepare,
                   const Step& operate) {
    std::unique_ptr<QCoreApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "qvx";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    DeviceProgram program(err);
    if (prepare && !prepare(program)) {
        return ExitFailure;
    }
    if (!program.Connect(*parsed.Line.Option("--port"), parsed.Ports)) {
        return program.ReportFailure();
    }
    return operate(program) ? ExitSuccess : program.ReportFailure();
}

bool Answering(DeviceProgram& program, MessageAnswer answer) {
    program.Dialogs.Answers.push_back(answer);
    return true;
}

/// Six letters 'A'..'Z' (lower case taken as upper), or nothing.
std::optional<std::string> PasswordLetters(std::string text) {
    if (text.size() != KeyboardPasswordLength) {
        return std::nullopt;
    }
    for (char& letter : text) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        if (letter < 'A' || letter > 'Z') {
            return std::nullopt;
        }
    }
    return text;
}

/// Enters the letters as on the unit: each one turned to from 'A' the shorter way, then
/// confirmed.
void TypePassword(TPasswordForm& window, const std::string& letters) {
    constexpr int LetterCount = 26;
    for (const char letter : letters) {
        const int up = letter - 'A';
        if (up <= LetterCount / 2) {
            for (int i = 0; i < up; ++i) {
                window.FARR_SpeedButtonClick();
            }
        } else {
            for (int i = 0; i < LetterCount - up; ++i) {
                window.FABA_SpeedButtonClick();
            }
        }
        window.ENTER_SpeedButtonClick();
    }
}

int RunKeyboardLock(std::string_view usage, bool lock, const DeviceArguments& arguments,
                    std::ostream& err) {
    const auto parsed = ParseDeviceLine(usage, arguments, {}, err);
    if (!parsed) {
        return ExitUsage;
    }
    return RunOnProcessor(*parsed, err, {}, [lock](DeviceProgram& program) {
        Answering(program, MessageAnswer::Ok);
        return lock ? program.App().Main().BlockBClick() : program.App().Main().UnblockBClick();
    });
}

} // namespace

int RunPortsCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err) {
    PortMap ports;
    const auto line = ParseCommandArguments(PortsUsage, ports.TakeOptions(arguments), {}, err);
    if (!line) {
        return ExitUsage;
    }
    for (int number = 1; number <= ComPortCount; ++number) {
        out << "COM" << number << ' ' << ports.PathOf(number) << '\n';
    }
    out << "usb  the first FTDI device (libftdi)\n";
    const QList<QSerialPortInfo> found = QSerialPortInfo::availablePorts();
    out << "serial ports on this computer:" << (found.isEmpty() ? " none" : "") << '\n';
    for (const QSerialPortInfo& port : found) {
        out << "  " << port.systemLocation().toStdString();
        if (!port.description().isEmpty()) {
            out << "  " << port.description().toStdString();
        }
        out << '\n';
    }
    return ExitSuccess;
}

int RunTestCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseDeviceLine(TestUsage, arguments, {}, err);
    if (!parsed) {
        return ExitUsage;
    }
    return RunOnProcessor(*parsed, err, {}, [&out](DeviceProgram& program) {
        out << program.App().Processor().ConnectionText << '\n';
        return true;
    });
}

int RunWriteCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseDeviceLine(WriteUsage, arguments,
                                        {{"--memory", "--unprotect"}, {"--verify"}, 1, 1}, err);
    if (!parsed) {
        return ExitUsage;
    }
    const auto memory = MemoryOf(WriteUsage, parsed->Line, err);
    if (!memory) {
        return ExitUsage;
    }
    const std::string file = parsed->Line.Positional[0];
    const auto prepare = [&](DeviceProgram& program) {
        if (!SelectMemory(program, parsed->Line, *memory, err)) {
            return false;
        }
        program.Dialogs.OpenPaths.push_back(file);
        return OpenConfiguration(program.App()) == OpenOutcome::Loaded;
    };
    const bool verify = parsed->Line.Has("--verify");
    return RunOnProcessor(*parsed, err, prepare, [verify, &out](DeviceProgram& program) {
        Answering(program, MessageAnswer::Yes);
        TMainForm& main = program.App().Main();
        if (verify) {
            main.VerifyAfterWriteClick();
        }
        if (!main.WriteButtonClick()) {
            return false;
        }
        if (verify) {
            out << main.VerifyText << '\n';
        }
        return true;
    });
}

int RunReadCommand(const DeviceArguments& arguments, std::ostream& /*out*/, std::ostream& err) {
    const auto parsed =
        ParseDeviceLine(ReadUsage, arguments, {{"--memory", "--unprotect", "-o"}, {}, 0, 0}, err);
    if (!parsed) {
        return ExitUsage;
    }
    const auto memory = MemoryOf(ReadUsage, parsed->Line, err);
    if (!memory) {
        return ExitUsage;
    }
    const auto output = parsed->Line.Option("-o");
    if (!output) {
        return UsageError(ReadUsage, "missing -o OUT.QVX", err);
    }
    const auto prepare = [&](DeviceProgram& program) {
        return SelectMemory(program, parsed->Line, *memory, err);
    };
    return RunOnProcessor(*parsed, err, prepare, [&output](DeviceProgram& program) {
        // The save question before the read is answered No: nothing of this run to keep.
        Answering(program, MessageAnswer::No);
        if (!program.App().Main().ReadButtonClick()) {
            return false;
        }
        program.Dialogs.SavePaths.push_back(*output);
        return program.App().Main().SaveButtonClick();
    });
}

int RunChangeCommand(const DeviceArguments& arguments, std::ostream& /*out*/, std::ostream& err) {
    const auto parsed =
        ParseDeviceLine(ChangeUsage, arguments, {{"--memory", "--unprotect"}, {}, 0, 0}, err);
    if (!parsed) {
        return ExitUsage;
    }
    const auto memory = MemoryOf(ChangeUsage, parsed->Line, err);
    if (!memory) {
        return ExitUsage;
    }
    const auto prepare = [&](DeviceProgram& program) {
        return SelectMemory(program, parsed->Line, *memory, err);
    };
    return RunOnProcessor(*parsed, err, prepare, [](DeviceProgram& program) {
        Answering(program, MessageAnswer::Yes);
        return program.App().Main().ChangeButtonClick();
    });
}

int RunLockCommand(const DeviceArguments& arguments, std::ostream& /*out*/, std::ostream& err) {
    return RunKeyboardLock(LockUsage, true, arguments, err);
}

int RunUnlockCommand(const DeviceArguments& arguments, std::ostream& /*out*/, std::ostream& err) {
    return RunKeyboardLock(UnlockUsage, false, arguments, err);
}

int RunPasswordCommand(const DeviceArguments& arguments, std::ostream& /*out*/, std::ostream& err) {
    const auto parsed = ParseDeviceLine(PasswordUsage, arguments, {{}, {"--inactive"}, 1, 1}, err);
    if (!parsed) {
        return ExitUsage;
    }
    const auto letters = PasswordLetters(parsed->Line.Positional[0]);
    if (!letters) {
        return UsageError(PasswordUsage, "the password is six letters A to Z", err);
    }
    const bool inactive = parsed->Line.Has("--inactive");
    return RunOnProcessor(*parsed, err, {}, [&](DeviceProgram& program) {
        program.App().Main().PasswordBClick();
        TPasswordForm& window = program.App().Password();
        TypePassword(window, *letters);
        if (inactive) {
            window.PasswordLEDClick();
        }
        return window.OK_BitBtnClick();
    });
}

int RunUpdateOsCommand(const DeviceArguments& arguments, std::ostream& /*out*/, std::ostream& err) {
    const auto parsed = ParseDeviceLine(UpdateOsUsage, arguments, {{}, {}, 0, 1}, err);
    if (!parsed) {
        return ExitUsage;
    }
    const auto prepare = [&](DeviceProgram& program) {
        std::string text = DefaultOperatingSystemText();
        std::string error;
        if (!parsed->Line.Positional.empty()) {
            auto read = ReadOperatingSystemFile(parsed->Line.Positional[0], error);
            if (!read) {
                Failure(error, err);
                return false;
            }
            text = std::move(*read);
        }
        // A program that does not parse is refused before the unit is touched.
        if (!ParseOperatingSystemText(text, error)) {
            Failure(error, err);
            return false;
        }
        program.App().Connect().OperatingSystemText = std::move(text);
        return true;
    };
    return RunOnProcessor(*parsed, err, prepare, [](DeviceProgram& program) {
        Answering(program, MessageAnswer::Yes);
        return program.App().Main().UpdateDSPClick();
    });
}

} // namespace quorvex
