#include "app/import_form.h"

#include "app/dialogs.h"
#include "app/field_format.h"
#include "app/final_response_form.h"
#include "app/program.h"
#include "app/sensitivity_form.h"
#include "config/measurement_formats.h"
#include "config/measurement_import.h"
#include "engine/response_grid.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

/// A speaker curve as the combined response takes it; every point of the grid is set.
FrequencyResponse ResponseOf(const SpeakerCurve& curve) {
    FrequencyResponse response;
    const std::size_t count = std::min<std::size_t>(curve.MagnitudeDb.size(), GridPointCount);
    std::copy_n(curve.MagnitudeDb.begin(), count, response.Magnitude.begin());
    std::copy_n(curve.PhaseRadians.begin(), std::min(count, curve.PhaseRadians.size()),
                response.Phase.begin());
    return response;
}

} // namespace

TImportForm::TImportForm(Program& program) : program_(program) {
    OutputLabel = Doc().Config.OutputNames;
    FollowFormat();
    ShowReferenceLevel();
}

Document& TImportForm::Doc() {
    return program_.Doc();
}

ProcessorConnection& TImportForm::Processor() {
    return program_.Processor();
}

FrontEnd& TImportForm::Services() {
    return program_.Services();
}

const Document& TImportForm::Doc() const {
    return program_.Doc();
}

const ProcessorConnection& TImportForm::Processor() const {
    return program_.Processor();
}

void TImportForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TImportForm::Activate() {
    HandlerScope scope(changed_);
    OutputLabel = Doc().Config.OutputNames;
    DialogFileName.clear();
    FollowFormat();
    ShowReferenceLevel();
}

std::int32_t TImportForm::Format() const {
    return Doc().Config.ImportFormat;
}

const std::string& TImportForm::FileField(int output) const {
    return Doc().Config.Output(output).SpeakerFile;
}

void TImportForm::FileFieldChange(int output, std::string_view text) {
    HandlerScope scope(changed_);
    Doc().Config.Output(output).SpeakerFile =
        std::string(text.substr(0, static_cast<std::size_t>(SpeakerFileCapacity)));
}

void TImportForm::DataButtonClick(int output) {
    HandlerScope scope(changed_);
    const FileDialogRequest request{
        std::string(FileDialogTitle), DialogFilter, "", DialogFileName, false, false};
    if (const auto path = Services().DialogBoxes.ChooseOpenFile(request)) {
        DialogFileName = *path;
        FileFieldChange(output, *path);
    }
}

void TImportForm::ClearClick(int output) {
    HandlerScope scope(changed_);
    FileFieldChange(output, "");
}

void TImportForm::FormatButtonClick(std::int32_t code) {
    HandlerScope scope(changed_);
    const ImportFormatChoice choice = ChooseImportFormat(code);
    if (!choice.Warning.empty()) {
        Services().DialogBoxes.ShowMessage(MessageKind::Warning, MessageButtons::Ok,
                                           choice.Warning);
    }
    Doc().Config.ImportFormat = choice.Format;
    FollowFormat();
    if (choice.Format == MinilyzerDbuFormat) {
        program_.Sensitivity().Show();
    }
}

void TImportForm::ReferenceLevelExit(std::string_view text) {
    HandlerScope scope(changed_);
    const auto typed = ParseFieldValue(text);
    if (typed && std::isfinite(*typed)) {
        const double tenths = std::round(*typed * 10.0) / 10.0;
        Doc().Config.ImportReferenceLevel =
            static_cast<float>(std::clamp(tenths, MinimumReferenceLevel, MaximumReferenceLevel));
    }
    ShowReferenceLevel();
}

bool TImportForm::OKButtonClick() {
    HandlerScope scope(changed_);
    Configuration& config = Doc().Config;
    std::array<std::string, OutputCount> fields{};
    for (int output = 1; output <= OutputCount; ++output) {
        fields[Index(output)] = config.Output(output).SpeakerFile;
    }
    SpeakerImportSettings settings;
    settings.Format = config.ImportFormat;
    settings.ReferenceLevelDb = config.ImportReferenceLevel;
    settings.MicrophoneSensitivity = Doc().MicrophoneSensitivity;
    settings.ConfigurationFolder = Doc().ConfigurationFolder;
    const SpeakerImport import = ImportSpeakerData(fields, settings, TheResponseGrid().FrequencyHz);

    for (const SpeakerImportResult& result : import.Outputs) {
        if (!result.Message.empty()) {
            Services().DialogBoxes.ShowMessage(MessageKind::Information, MessageButtons::Ok,
                                               result.Message);
        }
    }
    if (import.OutOfMemory) {
        return false;
    }
    for (int output = 1; output <= OutputCount; ++output) {
        const SpeakerImportResult& result = import.Outputs[Index(output)];
        Doc().SpeakerResponse[Index(output)] = result.Status == SpeakerImportStatus::Imported
                                                   ? ResponseOf(result.Curve)
                                                   : FrequencyResponse{};
        if (result.Status == SpeakerImportStatus::NotFound) {
            config.Output(output).SpeakerFile.clear();
        }
    }
    Close();
    program_.FinalResponse().DibujaFinalResponse();
    return true;
}

void TImportForm::ShowReferenceLevel() {
    ReferenceLevelText = FormatFixed(Doc().Config.ImportReferenceLevel, 1);
}

void TImportForm::FollowFormat() {
    DialogFilter = Doc().Config.ImportFormat == DaasFormat ? SplFilter : TextFilter;
}

} // namespace quorvex
