#include "app/open_workflow.h"

#include "app/delay_fino_form.h"
#include "app/dialogs.h"
#include "app/dynamic_form.h"
#include "app/field_format.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/loudness_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/progress.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"
#include "config/qvx_decoder.h"
#include "config/qvx_file.h"
#include "config/qvx_messages.h"
#include "config/qvx_record_kind.h"
#include "config/route.h"
#include "config/speaker_file_path.h"
#include "engine/delay_conversions.h"
#include "link/message_loop.h"

#include <array>

namespace quorvex {

namespace {

constexpr int StepPumps = 10;
constexpr std::string_view OpeningText = "Opening ";

const FileDialogRequest OpenRequest{
    "Open Varnel File", "Quorvex Files *.QVX|*.QVX|All Files *.*|*.*", "QVX", "", true, false};

void Announce(FrontEnd& services, int percent, std::string_view text) {
    services.ProgressWindow.SetStepText(text);
    services.ProgressWindow.SetPercent(percent);
    services.MessagePump.Run(StepPumps);
}

OpenOutcome Refuse(Program& program, const std::string& text) {
    program.Services().DialogBoxes.ShowMessage(MessageKind::Error, MessageButtons::Ok, text);
    program.Services().ProgressWindow.Close();
    program.Doc().ChosenFileName.clear();
    return OpenOutcome::Refused;
}

/// Where measurement files that moved with the configuration are looked for. A file chosen
/// by its bare name (as a command line gives it) lies in the current folder.
std::string ConfigurationFolderOf(std::string_view path) {
    const std::string_view folder = FolderOf(path);
    return folder.empty() ? std::string("./") : std::string(folder);
}

void CloseEditors(Program& program) {
    program.Delay().Close();
    program.Peq().Close();
    program.Loudness().Close();
    program.Xover().Close();
    program.Gains().Close();
    program.Dynamics().Close();
}

/// The header's texts and temperature go through the windows that show them, so each keeps
/// its own copy.
void ShowHeader(Program& program) {
    const SystemInfo read = program.Doc().Config.SystemInfo;
    TSystemInfoForm& info = program.SystemInfo();
    info.ProjectNameChange(read.ProjectName);
    info.EngineerChange(read.Engineer);
    info.CommentsChange(read.Comments);
    info.SystemNameChange(read.SystemName);
    program.Main().SystemNameChange(read.SystemName);
    program.Delay().TemperatureCChange(program.Doc().Config.TemperatureC);
}

void UpdateDelays(Program& program) {
    program.Delay().ApplyStoredDelays();
}

void UpdateRelativeDistances(Program& program) {
    program.Delay().ShowStoredDistances();
}

void UpdateGains(Program& program) {
    program.Gains().RefreshFromSettings();
}

void UpdateCrossovers(Program& program) {
    for (int output = 1; output <= OutputCount; ++output) {
        program.Xover().SelectOutput(output);
    }
}

void UpdateDynamicsRoutesAndImport(Program& program) {
    for (int block = DynamicsBlockCount; block >= 1; --block) {
        program.Dynamics().SelectBlock(block);
    }
    for (int output = 1; output <= OutputCount; ++output) {
        CycleRoute(program.Doc().Config, output);
    }
    program.Main().RefreshNamesAndRoutes();
    program.Main().ReimportSpeakerData();
}

/// Selecting every band from the highest down leaves each output's BandsInUse at its
/// band count and band 1 selected.
void SelectBandsDownward(Program& program, int output) {
    for (int band = BandCountOf(output); band >= 1; --band) {
        program.Peq().SelectBand(band);
    }
}

void UpdateEqualisation(Program& program) {
    for (int output = OutputCount; output >= 3; --output) {
        program.Peq().SelectOutput(output);
        SelectBandsDownward(program, output);
    }
    program.Peq().SelectOutput(2);
}

void FinishEqualisation(Program& program) {
    SelectBandsDownward(program, 2);
    program.Peq().SelectOutput(1);
    SelectBandsDownward(program, 1);
}

/// The editors' share of reading a file, after the record's fields are in the
/// configuration: each runs the handlers a person would, in the order the values need.
struct UpdateStep {
    int Percent;
    std::string_view Text;
    void (*Run)(Program& program);
};

constexpr std::array<UpdateStep, 7> UpdateSteps{{
    {30, "Updating Delays...", UpdateDelays},
    {35, "Updating relative distance between speakers...", UpdateRelativeDistances},
    {45, "Updating Gains...", UpdateGains},
    {65, "Updating Xover...", UpdateCrossovers},
    {75, "Updating Dinamics...", UpdateDynamicsRoutesAndImport},
    {85, "Updating Equalization...", UpdateEqualisation},
    {100, "DONE", FinishEqualisation},
}};

} // namespace

OpenOutcome ReadConfiguration(Program& program, const std::string& path) {
    program.Doc().ChosenFileName = path;
    // Kept apart from the chosen name, which an older file makes the reader forget: the
    // measurement files beside the configuration must still be found.
    program.Doc().ConfigurationFolder = ConfigurationFolderOf(path);
    program.Services().ProgressWindow.Show();
    program.Services().ProgressWindow.SetBarVisible(true);

    const QvxFileContents contents = ReadConfigurationFile(path);
    if (!contents.Ok()) {
        return Refuse(program, path + ": " + contents.Error);
    }
    if (!contents.Layout) {
        return Refuse(program, NotQuorvexFileMessage(path));
    }
    if (*contents.Layout != QvxLayout::Current) {
        program.Services().DialogBoxes.ShowMessage(MessageKind::Warning, MessageButtons::Ok,
                                                   OlderQvxVersionMessage(path));
        program.Services().ProgressWindow.Close();
        program.Doc().ChosenFileName.clear();
    }
    if (!HasQvxSignature(contents.Bytes)) {
        return Refuse(program, NotQuorvexFileMessage(path));
    }

    program.Services().ProgressWindow.SetFirstLine(std::string(OpeningText) +
                                                   program.Doc().ChosenFileName);
    program.Services().ProgressWindow.SetPercent(0);
    for (const QvxReadStep& step : QvxReadSteps) {
        Announce(program.Services(), step.Percent, step.Text);
        step.Read(contents.Bytes, program.Doc().Config);
        if (step.Read == ReadVersionAndHeader) {
            ShowHeader(program);
        }
    }
    for (const UpdateStep& step : UpdateSteps) {
        Announce(program.Services(), step.Percent, step.Text);
        step.Run(program);
    }
    return OpenOutcome::Loaded;
}

OpenOutcome OpenConfiguration(Program& program) {
    program.Main().NewButtonClick();
    if (const auto path = program.Services().DialogBoxes.ChooseOpenFile(OpenRequest)) {
        return OpenChosenFile(program, *path);
    }
    program.FinalResponse().DibujaFinalResponse();
    program.Services().ProgressWindow.Close();
    return OpenOutcome::Cancelled;
}

OpenOutcome OpenChosenFile(Program& program, const std::string& path) {
    program.Services().DialogBoxes.SetWaitCursor(true);
    CloseEditors(program);
    program.Processor().RealTime = false;
    program.Main().ShowRealTimePicture();
    const OpenOutcome outcome = ReadConfiguration(program, path);
    program.Main().ShowFileName(program.Doc().ChosenFileName);
    program.Services().DialogBoxes.SetWaitCursor(false);
    program.FinalResponse().DibujaFinalResponse();
    program.Services().ProgressWindow.Close();
    return outcome;
}

} // namespace quorvex
