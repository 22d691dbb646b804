#include "app/connect_form.h"
#include "app/device_texts.h"
#include "app/dialogs.h"
#include "app/input_pass_form.h"
#include "app/main_form.h"
#include "app/notice_boxes.h"
#include "app/password_form.h"
#include "app/program.h"
#include "app/progress.h"
#include "app/read_back.h"
#include "app/transfer_mark.h"
#include "image/coefficient_image.h"
#include "link/memory_protection.h"
#include "link/message_loop.h"
#include "link/operating_system_image.h"
#include "link/verification_texts.h"

#include <algorithm>
#include <functional>
#include <span>
#include <string>

namespace quorvex {

namespace {

/// Passes after New configuration, before a read starts.
constexpr int PassesBeforeRead = 200;
/// Passes between memories of the write to all memories: they only space the transfers.
constexpr int PassesBeforeEachMemory = 5501;
constexpr int PassesAfterEachMemory = 20000;

DeviceOperations* OperationsOf(Program& program) {
    DeviceConnection* connection = program.Connect().Connection();
    return connection != nullptr ? &connection->Operations() : nullptr;
}

/// The boxes of an operation, then the connection it lost or the reconnection it offers.
void Finish(Program& program, const OperationResult& result) {
    ShowNotices(program.Services().DialogBoxes, result.Messages);
    if (result.ConnectionLost) {
        program.Connect().GoOffline();
    }
    if (result.ShowConnectionWindow) {
        program.Connect().Show();
    }
}

/// The bytes of an image that a write sends: LONG of them.
std::span<const std::uint8_t> TransferBytes(const CoefficientImage& image) {
    const auto length =
        static_cast<std::size_t>(std::clamp(TransferLength(image), 0, CoefficientImageSize));
    return std::span<const std::uint8_t>(image.data(), length);
}

bool Ask(Dialogs& dialogs, MessageButtons buttons, std::string_view text, MessageAnswer yes) {
    return dialogs.ShowMessage(MessageKind::Warning, buttons, text) == yes;
}

/// Read: New configuration with its question, then unless it was cancelled the memory's
/// image into the configuration and the editors. True when the configuration now holds
/// the memory.
bool ReadFromProcessor(Program& program, int memory) {
    TMainForm& main = program.Main();
    main.Busy();
    const TransferMark mark(program.Processor());
    main.NewButtonClick();
    program.Services().MessagePump.Run(PassesBeforeRead);
    bool read = false;
    DeviceOperations* operations = OperationsOf(program);
    if (!program.Doc().SaveQuestionCancelled && operations != nullptr) {
        program.Services().ProgressWindow.Show();
        program.Services().ProgressWindow.SetFirstLine(device_text::Loading);
        const OperationResult result = operations->ReadMemory(memory, program.Doc().Config);
        if (result.Ok) {
            ShowReadConfiguration(program);
        }
        Finish(program, result);
        read = result.Ok;
        program.StartNewHistory();
    }
    main.Idle();
    program.Services().ProgressWindow.SetFirstLine("");
    program.Services().ProgressWindow.Close();
    return read;
}

/// One memory of the write to all memories: command 3 alone.
TransferResult WriteOneMemory(DeviceOperations& operations, int memory,
                              std::span<const std::uint8_t> image) {
    const LinkStatus prepared = operations.Link().Prepare();
    if (!prepared.Ok) {
        TransferResult failed;
        failed.Messages.push_back({NoticeKind::Error, prepared.Error});
        failed.ConnectionLost = true;
        return failed;
    }
    return operations.Protocol().Send({DeviceCommand::WriteMemory, memory, image, true});
}

/// Write and Change: the question (only Yes goes on), then the operation with the device
/// buttons off and the transfer mark held. The buttons come back only when it succeeded: a
/// failed operation leaves them off until the next connection.
bool RunConfirmedOperation(Program& program, const std::string& question,
                           const std::function<OperationResult(DeviceOperations&)>& operation) {
    if (!Ask(program.Services().DialogBoxes, MessageButtons::YesNoCancel, question,
             MessageAnswer::Yes)) {
        return false;
    }
    DeviceOperations* operations = OperationsOf(program);
    if (operations == nullptr) {
        return false;
    }
    TMainForm& main = program.Main();
    main.Busy();
    const TransferMark mark(program.Processor());
    const OperationResult result = operation(*operations);
    Finish(program, result);
    if (result.Ok) {
        main.Idle();
    }
    return result.Ok;
}

/// The read-back after a Write: the memory's image compared with the one sent. A failed
/// read-back leaves the written memory as it is; only the comparison's outcome is told.
bool VerifyWrittenMemory(Program& program, int memory, std::span<const std::uint8_t> sent) {
    TMainForm& main = program.Main();
    DeviceOperations* operations = OperationsOf(program);
    if (operations == nullptr) {
        return false;
    }
    main.Busy();
    const TransferMark mark(program.Processor());
    const OperationResult result = operations->VerifyMemory(memory, sent);
    main.VerifyText = result.Ok ? VerifiedText(memory, static_cast<int>(sent.size()))
                      : result.Messages.empty() ? std::string()
                                                : result.Messages.back().Text;
    Finish(program, result);
    main.Idle();
    return result.Ok;
}

bool SetKeyboardLock(Program& program, bool lock) {
    TMainForm& main = program.Main();
    main.Busy();
    const TransferMark mark(program.Processor());
    bool done = false;
    if (Ask(program.Services().DialogBoxes, MessageButtons::OkCancel,
            lock ? device_text::LockQuestion : device_text::UnlockQuestion, MessageAnswer::Ok)) {
        if (DeviceOperations* operations = OperationsOf(program)) {
            const OperationResult result = operations->SetKeyboardLock(lock);
            Finish(program, result);
            done = result.Ok;
        }
    }
    main.Idle();
    return done;
}

} // namespace

void TMainForm::Busy() {
    HandlerScope scope(changed_);
    DeviceButtonsEnabled = false;
}

void TMainForm::Idle() {
    HandlerScope scope(changed_);
    DeviceButtonsEnabled = Processor().Connected;
}

void TMainForm::NProgramSpinChange(int value) {
    HandlerScope scope(changed_);
    Processor().MemoryNumber = std::clamp(value, Processor().MemoryMinimum, LastMemory);
}

void TMainForm::ConnectButtonClick() {
    HandlerScope scope(changed_);
    program_.Connect().Show();
}

void TMainForm::LOGOImageClick() {
    HandlerScope scope(changed_);
    program_.InputPass().Show([this] { NProgramSpinChange(Processor().MemoryNumber); });
}

bool TMainForm::ReadButtonClick() {
    HandlerScope scope(changed_);
    return ReadFromProcessor(program_, Processor().MemoryNumber);
}

bool TMainForm::WriteButtonClick() {
    HandlerScope scope(changed_);
    const int memory = Processor().MemoryNumber;
    CoefficientImage image{};
    const bool written = RunConfirmedOperation(
        program_, device_text::OverwriteQuestion(memory), [&](DeviceOperations& operations) {
            image = BuildCoefficientImage(Doc().Config, Doc().Engine);
            return operations.WriteMemory(memory, TransferBytes(image),
                                          program_.InputPass().Protection());
        });
    if (!written || !VerifyAfterWrite) {
        return written;
    }
    return VerifyWrittenMemory(program_, memory, TransferBytes(image));
}

void TMainForm::VerifyAfterWriteClick() {
    HandlerScope scope(changed_);
    VerifyAfterWrite = !VerifyAfterWrite;
}

bool TMainForm::ChangeButtonClick() {
    HandlerScope scope(changed_);
    const int memory = Processor().MemoryNumber;
    return RunConfirmedOperation(
        program_, device_text::ChangeQuestion(memory),
        [&](DeviceOperations& operations) { return operations.ChangeMemory(memory); });
}

bool TMainForm::CopyAllMemClick() {
    HandlerScope scope(changed_);
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return false;
    }
    Busy();
    const TransferMark mark(Processor());
    const CoefficientImage image = BuildCoefficientImage(Doc().Config, Doc().Engine);
    for (int memory = FirstMemory; memory <= LastMemory; ++memory) {
        // The selector keeps its own range: while 1..20 are protected the first twenty
        // passes write the lowest memory it offers.
        NProgramSpinChange(memory);
        Services().MessagePump.Run(PassesBeforeEachMemory);
        const TransferResult written =
            WriteOneMemory(*operations, Processor().MemoryNumber, TransferBytes(image));
        if (!written.Ok) {
            OperationResult failed;
            failed.Messages = written.Messages;
            failed.ConnectionLost = written.ConnectionLost;
            Finish(program_, failed);
            return false;
        }
        Services().MessagePump.Run(PassesAfterEachMemory);
    }
    Idle();
    return true;
}

bool TMainForm::BlockBClick() {
    HandlerScope scope(changed_);
    return SetKeyboardLock(program_, true);
}

bool TMainForm::UnblockBClick() {
    HandlerScope scope(changed_);
    return SetKeyboardLock(program_, false);
}

void TMainForm::PasswordBClick() {
    HandlerScope scope(changed_);
    Busy();
    program_.Password().Show([this](bool accepted) { return PasswordWindowClosed(accepted); });
}

bool TMainForm::PasswordWindowClosed(bool ok) {
    HandlerScope scope(changed_);
    DeviceOperations* operations = OperationsOf(program_);
    bool done = false;
    if (ok && operations != nullptr) {
        const TransferMark mark(Processor());
        const OperationResult result = operations->SetPassword(program_.Password().Block());
        Finish(program_, result);
        done = result.Ok;
        if (!done) {
            program_.Connect().GoOffline();
        }
    }
    Idle();
    return done;
}

bool TMainForm::UpdateDSPClick() {
    HandlerScope scope(changed_);
    Services().DialogBoxes.Beep();
    if (!Ask(Services().DialogBoxes, MessageButtons::YesNo, device_text::UpdateDspWarning,
             MessageAnswer::Yes)) {
        return false;
    }
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return false;
    }
    Busy();
    const TransferMark mark(Processor());
    bool done = false;
    std::string error;
    const auto program = ParseOperatingSystemText(program_.Connect().OperatingSystemText, error);
    if (!program) {
        Services().DialogBoxes.ShowMessage(MessageKind::Error, MessageButtons::Ok, error);
    } else {
        const OperationResult result = operations->UpdateDspProgram(*program);
        Finish(program_, result);
        done = result.Ok;
    }
    Idle();
    return done;
}

bool TMainForm::RequestRealTime() {
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return false;
    }
    const TransferMark mark(Processor());
    const OperationResult result = operations->RequestRealTime();
    Finish(program_, result);
    if (!result.Ok) {
        return false;
    }
    NProgramSpinChange(result.ReportedMemory);
    // The memory that is playing is read, even one the selector cannot show while 1..20
    // are protected: real-time changes go to it, so the editors must start from it.
    return ReadFromProcessor(program_, result.ReportedMemory);
}

} // namespace quorvex
