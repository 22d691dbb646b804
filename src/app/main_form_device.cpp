#include "app/connect_form.h"
#include "app/device_texts.h"
#include "app/dialogs.h"
#include "app/input_pass_form.h"
#include "app/main_form.h"
#include "app/notice_boxes.h"
#include "app/password_form.h"
#include "app/program.h"
#include "app/progress.h"
#include "app/pump.h"
#include "app/read_back.h"
#include "image/coefficient_image.h"
#include "link/memory_protection.h"
#include "link/operating_system_image.h"

#include <algorithm>
#include <span>

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
    ShowNotices(program.State(), result.Messages);
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

bool Ask(Session& session, MessageButtons buttons, std::string_view text, MessageAnswer yes) {
    return session.Ui.ShowMessage(MessageKind::Warning, buttons, text) == yes;
}

/// Read: New configuration with its question, then unless it was cancelled the memory's
/// image into the configuration and the editors. True when the configuration now holds
/// the memory.
bool ReadFromProcessor(Program& program, int memory) {
    Session& session = program.State();
    TMainForm& main = program.Main();
    main.Busy();
    main.NewButtonClick();
    session.Messages.Run(PassesBeforeRead);
    bool read = false;
    DeviceOperations* operations = OperationsOf(program);
    if (!session.SaveQuestionCancelled && operations != nullptr) {
        session.ProgressWindow.Show();
        session.ProgressWindow.SetFirstLine(device_text::Loading);
        const OperationResult result = operations->ReadMemory(memory, session.Config);
        if (result.Ok) {
            ShowReadConfiguration(program);
        }
        Finish(program, result);
        read = result.Ok;
    }
    main.Idle();
    session.ProgressWindow.SetFirstLine("");
    session.ProgressWindow.Close();
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

} // namespace

void TMainForm::Busy() {
    DeviceButtonsEnabled = false;
}

void TMainForm::Idle() {
    DeviceButtonsEnabled = State().Connected;
}

void TMainForm::NProgramSpinChange(int value) {
    State().MemoryNumber = std::clamp(value, State().MemoryMinimum, LastMemory);
}

void TMainForm::ConnectButtonClick() {
    program_.Connect().Show();
}

void TMainForm::LOGOImageClick() {
    program_.InputPass().Show();
}

void TMainForm::ReadButtonClick() {
    ReadFromProcessor(program_, State().MemoryNumber);
}

void TMainForm::WriteButtonClick() {
    Session& session = State();
    const int memory = session.MemoryNumber;
    if (!Ask(session, MessageButtons::YesNoCancel, device_text::OverwriteQuestion(memory),
             MessageAnswer::Yes)) {
        return;
    }
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return;
    }
    Busy();
    const CoefficientImage image = BuildCoefficientImage(session.Config, session.Engine);
    const OperationResult result =
        operations->WriteMemory(memory, TransferBytes(image), program_.InputPass().Protection());
    Finish(program_, result);
    // A write that failed leaves the device buttons off until the next connection.
    if (result.Ok) {
        Idle();
    }
}

void TMainForm::ChangeButtonClick() {
    Session& session = State();
    const int memory = session.MemoryNumber;
    if (!Ask(session, MessageButtons::YesNoCancel, device_text::ChangeQuestion(memory),
             MessageAnswer::Yes)) {
        return;
    }
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return;
    }
    Busy();
    const OperationResult result = operations->ChangeMemory(memory);
    Finish(program_, result);
    if (result.Ok) {
        Idle();
    }
}

void TMainForm::CopyAllMemClick() {
    Session& session = State();
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return;
    }
    Busy();
    const CoefficientImage image = BuildCoefficientImage(session.Config, session.Engine);
    for (int memory = FirstMemory; memory <= LastMemory; ++memory) {
        // The selector keeps its own range: while 1..20 are protected the first twenty
        // passes write the lowest memory it offers.
        NProgramSpinChange(memory);
        session.Messages.Run(PassesBeforeEachMemory);
        const TransferResult written =
            WriteOneMemory(*operations, session.MemoryNumber, TransferBytes(image));
        if (!written.Ok) {
            OperationResult failed;
            failed.Messages = written.Messages;
            failed.ConnectionLost = written.ConnectionLost;
            Finish(program_, failed);
            return;
        }
        session.Messages.Run(PassesAfterEachMemory);
    }
    Idle();
}

void TMainForm::BlockBClick() {
    Busy();
    if (Ask(State(), MessageButtons::OkCancel, device_text::LockQuestion, MessageAnswer::Ok)) {
        if (DeviceOperations* operations = OperationsOf(program_)) {
            Finish(program_, operations->SetKeyboardLock(true));
        }
    }
    Idle();
}

void TMainForm::UnblockBClick() {
    Busy();
    if (Ask(State(), MessageButtons::OkCancel, device_text::UnlockQuestion, MessageAnswer::Ok)) {
        if (DeviceOperations* operations = OperationsOf(program_)) {
            Finish(program_, operations->SetKeyboardLock(false));
        }
    }
    Idle();
}

void TMainForm::PasswordBClick() {
    Busy();
    program_.Password().Show();
}

void TMainForm::PasswordWindowClosed(bool ok) {
    DeviceOperations* operations = OperationsOf(program_);
    if (ok && operations != nullptr) {
        const OperationResult result = operations->SetPassword(program_.Password().Block());
        Finish(program_, result);
        if (!result.Ok) {
            program_.Connect().GoOffline();
        }
    }
    Idle();
}

void TMainForm::UpdateDSPClick() {
    Session& session = State();
    session.Ui.Beep();
    if (!Ask(session, MessageButtons::YesNo, device_text::UpdateDspWarning, MessageAnswer::Yes)) {
        return;
    }
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return;
    }
    Busy();
    std::string error;
    const auto program = ParseOperatingSystemText(program_.Connect().OperatingSystemText, error);
    if (!program) {
        session.Ui.ShowMessage(MessageKind::Error, MessageButtons::Ok, error);
    } else {
        Finish(program_, operations->UpdateDspProgram(*program));
    }
    Idle();
}

bool TMainForm::RequestRealTime() {
    DeviceOperations* operations = OperationsOf(program_);
    if (operations == nullptr) {
        return false;
    }
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
