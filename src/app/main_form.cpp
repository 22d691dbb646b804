#include "app/main_form.h"

#include "app/connect_form.h"
#include "app/copy_outputs_form.h"
#include "app/delay_fino_form.h"
#include "app/dialogs.h"
#include "app/dynamic_form.h"
#include "app/field_format.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/import_form.h"
#include "app/loudness_form.h"
#include "app/open_workflow.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/progress.h"
#include "app/real_time_writes.h"
#include "app/show_coeff_form.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"
#include "config/new_configuration.h"
#include "config/qvx_encoder.h"
#include "config/qvx_file.h"
#include "config/route.h"
#include "config/speaker_file_path.h"
#include "image/dsp_address.h"
#include "link/message_loop.h"

namespace quorvex {

namespace {

constexpr int ActivationPumps = 100;
constexpr int ProgressPumps = 4;
constexpr int RouteSendPumps = 100;

const FileDialogRequest SaveRequest{"Save Varnel File",
                                    "Quorvex Files *.QVX|*.QVX|All Files *.*|*.*",
                                    "QVX",
                                    "NoName",
                                    false,
                                    true};

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

} // namespace

TMainForm::TMainForm(Program& program) : program_(program) {
    const Configuration& config = Doc().Config;
    SystemName = config.SystemInfo.SystemName;
    OutputNameEnabled.fill(true);
    RefreshNamesAndRoutes();
    for (int output = 1; output <= OutputCount; ++output) {
        ShowDelay(output, 0.0);
    }
}

Document& TMainForm::Doc() {
    return program_.Doc();
}

ProcessorConnection& TMainForm::Processor() {
    return program_.Processor();
}

FrontEnd& TMainForm::Services() {
    return program_.Services();
}

void TMainForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TMainForm::Activate() {
    HandlerScope scope(changed_);
    Services().MessagePump.Run(ActivationPumps);
    ShowRealTimePicture();
    HiddenButtonClicks = 0;
}

void TMainForm::NewButtonClick() {
    HandlerScope scope(changed_);
    const MessageAnswer answer = Services().DialogBoxes.ShowMessage(
        MessageKind::Warning, MessageButtons::YesNoCancel, SaveQuestion);
    Doc().SaveQuestionCancelled = answer == MessageAnswer::Cancel;
    if (answer == MessageAnswer::Cancel) {
        return;
    }
    if (answer == MessageAnswer::Yes) {
        SaveButtonClick();
    }
    ResetConfiguration();
}

void TMainForm::ResetConfiguration() {
    HandlerScope scope(changed_);
    Progress& progress = Services().ProgressWindow;
    progress.Show();
    progress.SetFirstLine(std::string(InitializingText) + Doc().ChosenFileName);
    for (int index = 0; index < static_cast<int>(NewConfigurationSteps.size()); ++index) {
        const NewConfigurationStep& step = NewConfigurationSteps[static_cast<std::size_t>(index)];
        progress.SetStepText(step.Text);
        progress.SetPercent(step.Percent);
        Services().MessagePump.Run(ProgressPumps);
        RunNewConfigurationStep(index);
    }
    progress.Close();
    program_.StartNewHistory();
}

void TMainForm::RunNewConfigurationStep(int index) {
    Configuration& config = Doc().Config;
    switch (index) {
    case 0:
        program_.Peq().Close();
        program_.Gains().Close();
        program_.Xover().Close();
        program_.Xover().ApplyPendingParameters();
        program_.Dynamics().Close();
        program_.Delay().Close();
        program_.Loudness().Close();
        Processor().RealTime = false;
        ShowRealTimePicture();
        ApplyNewConfigurationStep(config, index);
        program_.Gains().Reset();
        for (int output = 1; output <= OutputCount; ++output) {
            ShowMuteIndicators(output, false);
        }
        break;
    case 1:
        ApplyNewConfigurationStep(config, index);
        program_.Xover().Reset();
        break;
    case 2:
        ApplyNewConfigurationStep(config, index);
        program_.Peq().Reset();
        break;
    case 3:
        ApplyNewConfigurationStep(config, index);
        program_.Dynamics().Reset();
        break;
    case 4:
        ApplyNewConfigurationStep(config, index);
        program_.Delay().Reset();
        break;
    case 5:
        ApplyNewConfigurationStep(config, index);
        program_.Loudness().Reset();
        break;
    case 6:
        ApplyNewConfigurationStep(config, index);
        program_.SystemInfo().Reset();
        break;
    case 7:
        ApplyNewConfigurationStep(config, index);
        SystemNameChange(config.SystemInfo.SystemName);
        RefreshNamesAndRoutes();
        break;
    case 8:
        ApplyNewConfigurationStep(config, index);
        program_.Connect().EnableButtons();
        ReimportSpeakerData();
        break;
    case 9:
        ApplyNewConfigurationStep(config, index);
        program_.Delay().ResetDistances();
        break;
    default:
        break;
    }
}

bool TMainForm::SaveButtonClick() {
    HandlerScope scope(changed_);
    const auto path = Services().DialogBoxes.ChooseSaveFile(SaveRequest);
    if (!path || !WriteConfiguration(*path)) {
        return false;
    }
    Doc().ChosenFileName = *path;
    ShowFileName(*path);
    return true;
}

void TMainForm::OpenButtonClick() {
    HandlerScope scope(changed_);
    OpenConfiguration(program_);
    program_.StartNewHistory();
}

void TMainForm::OpenStartFile(const std::string& path) {
    HandlerScope scope(changed_);
    ResetConfiguration();
    OpenChosenFile(program_, path);
    program_.StartNewHistory();
}

bool TMainForm::WriteConfiguration(const std::string& path) {
    const auto error = WriteConfigurationFile(path, EncodeConfigurationRecord(Doc().Config, path));
    if (error) {
        Services().DialogBoxes.ShowMessage(MessageKind::Error, MessageButtons::Ok, *error);
        return false;
    }
    return true;
}

void TMainForm::RealTimeBClick() {
    HandlerScope scope(changed_);
    Processor().RealTime = !Processor().RealTime;
    if (Processor().Link == LinkKind::Offline || !Processor().Connected) {
        Processor().RealTime = false;
        Services().DialogBoxes.ShowMessage(MessageKind::Information, MessageButtons::Ok,
                                           OfflineText);
    } else if (Processor().RealTime) {
        Services().DialogBoxes.ShowMessage(MessageKind::Information, MessageButtons::Ok,
                                           RealTimeText);
        Processor().RealTime = false;
        Processor().RealTime = RequestRealTime();
    }
    ShowRealTimePicture();
}

void TMainForm::ShowRealTimePicture() {
    HandlerScope scope(changed_);
    RealTimePictureOn = Processor().RealTime;
    program_.Loudness().ShowRealTimePicture();
}

void TMainForm::RouteBClick(int output) {
    HandlerScope scope(changed_);
    CycleRoute(Doc().Config, output);
    ShowRoute(output);
    SendRoute(output);
    program_.FinalResponse().DibujaFinalResponse();
}

void TMainForm::SendRoute(int output) {
    // Each output's pair of factors: A, then B right after it.
    const int address = RouteGainAWord(PositionInDspOf(output));
    const std::array<double, 2> factors{Doc().Config.RouteGainA[Index(output)],
                                        Doc().Config.RouteGainB[Index(output)]};
    for (std::size_t k = 0; k < factors.size(); ++k) {
        // A refused factor has been shown as "ERROR"; the other one would leave the
        // processor with a mix of old and new route.
        if (!program_.Writes().WriteCoefficient(DspOf(output), address + static_cast<int>(k),
                                                factors[k])) {
            return;
        }
        Services().MessagePump.Run(RouteSendPumps);
    }
}

void TMainForm::SystemNameChange(std::string_view text) {
    HandlerScope scope(changed_);
    SystemName = LimitedText(text, SystemNameCapacity);
    Doc().Config.SystemInfo.SystemName = SystemName;
    if (program_.SystemInfo().SystemName != SystemName) {
        program_.SystemInfo().SystemNameChange(SystemName);
    }
}

void TMainForm::FollowSystemInfo() {
    TSystemInfoForm& systemInfo = program_.SystemInfo();
    systemInfo.Changed().Listen([this, &systemInfo] {
        if (systemInfo.SystemName != SystemName) {
            SystemNameChange(systemInfo.SystemName);
        }
    });
}

void TMainForm::InputNameChange(int input, std::string_view text) {
    HandlerScope scope(changed_);
    Doc().Config.InputNames.at(static_cast<std::size_t>(input - 1)) =
        LimitedText(text, ChannelNameCapacity);
}

void TMainForm::OutputNameChange(int output, std::string_view text) {
    HandlerScope scope(changed_);
    Doc().Config.OutputNames.at(Index(output)) = LimitedText(text, ChannelNameCapacity);
}

void TMainForm::ProgramLabelClick() {
    HandlerScope scope(changed_);
    ++HiddenButtonClicks;
    if (HiddenButtonClicks >= CopyAllMemClicks) {
        CopyAllMemVisible = true;
    }
}

bool TMainForm::CloseQuery() {
    HandlerScope scope(changed_);
    const MessageAnswer answer = Services().DialogBoxes.ShowMessage(
        MessageKind::Warning, MessageButtons::YesNoCancel, ClosingQuestion);
    if (answer == MessageAnswer::Cancel) {
        return false;
    }
    if (answer == MessageAnswer::Yes) {
        SaveButtonClick();
    }
    Running = false;
    Visible = false;
    return true;
}

void TMainForm::PeqBtnClick(int output) {
    HandlerScope scope(changed_);
    EditorOutput = output;
    program_.Peq().SelectOutput(output);
    program_.Peq().Show();
}

void TMainForm::XoverBtnClick(int output) {
    HandlerScope scope(changed_);
    EditorOutput = output;
    program_.Xover().SelectOutput(output);
    program_.Xover().Show();
}

void TMainForm::GainBtnClick(int output) {
    HandlerScope scope(changed_);
    EditorOutput = output;
    program_.Gains().Show();
}

void TMainForm::DelayBtnClick(int output) {
    HandlerScope scope(changed_);
    EditorOutput = output;
    program_.Delay().SelectOutput(output);
    program_.Delay().Show();
}

void TMainForm::DynamicBtnClick(int output) {
    HandlerScope scope(changed_);
    const int block = DynamicsBlockOf(output);
    program_.Dynamics().ShowBlock(block);
}

void TMainForm::FinalResponseBClick() {
    HandlerScope scope(changed_);
    program_.FinalResponse().Show();
}

void TMainForm::SystemInfoBClick() {
    HandlerScope scope(changed_);
    program_.SystemInfo().Show();
}

void TMainForm::ShowCoeffButtonClick() {
    HandlerScope scope(changed_);
    program_.ShowCoeff().Show();
}

void TMainForm::CopyOutsBClick() {
    HandlerScope scope(changed_);
    program_.CopyOutputs().Show();
}

void TMainForm::ShowBandAddress(int dspAddress) {
    HandlerScope scope(changed_);
    BandAddressText = std::to_string(dspAddress);
}

void TMainForm::ShowMuteIndicators(int output, bool muted) {
    HandlerScope scope(changed_);
    MuteLabelVisible.at(Index(output)) = muted;
    MuteMarkVisible.at(Index(output)) = muted;
    OutputNameEnabled.at(Index(output)) = !muted;
}

void TMainForm::ShowDelay(int output, double delayMs) {
    HandlerScope scope(changed_);
    DelayText.at(Index(output)) = FormatFixed(delayMs, 2) + " ms";
}

void TMainForm::ReimportSpeakerData() {
    HandlerScope scope(changed_);
    program_.Import().OKButtonClick();
}

void TMainForm::ShowRoute(int output) {
    HandlerScope scope(changed_);
    RoutePicture.at(Index(output)) = Doc().Config.Route[Index(output)];
}

void TMainForm::ShowFileName(std::string_view path) {
    HandlerScope scope(changed_);
    Caption = std::string(CaptionPrefix) + std::string(FileNameOf(path));
}

void TMainForm::RefreshNamesAndRoutes() {
    HandlerScope scope(changed_);
    const Configuration& config = Doc().Config;
    for (int output = 1; output <= OutputCount; ++output) {
        RoutePicture[Index(output)] = config.Route[Index(output)];
    }
}

} // namespace quorvex
