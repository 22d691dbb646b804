#include "app/import_form.h"

#include "app/dialogs.h"
#include "app/document.h"
#include "app/field_format.h"
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

TImportForm::TImportForm(Document& doc, Dialogs& dialogs, TSensitivityForm& sensitivity)
    : doc_(doc), dialogs_(dialogs), sensitivity_(sensitivity) {
    OutputLabel = doc_.Config.OutputNames;
    FollowFormat();
    ShowReferenceLevel();
}

void TImportForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TImportForm::Activate() {
    HandlerScope scope(changed_);
    OutputLabel = doc_.Config.OutputNames;
    DialogFileName.clear();
    FollowFormat();
    ShowReferenceLevel();
}

std::int32_t TImportForm::Format() const {
    return doc_.Config.ImportFormat;
}

const std::string& TImportForm::FileField(int output) const {
    return doc_.Config.Output(output).SpeakerFile;
}

void TImportForm::FileFieldChange(int output, std::string_view text) {
    HandlerScope scope(changed_);
    doc_.Config.Output(output).SpeakerFile =
        std::string(text.substr(0, static_cast<std::size_t>(SpeakerFileCapacity)));
}

void TImportForm::DataButtonClick(int output) {
    HandlerScope scope(changed_);
    const FileDialogRequest request{
        std::string(FileDialogTitle), DialogFilter, "", DialogFileName, false, false};
    if (const auto path = dialogs_.ChooseOpenFile(request)) {
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
        dialogs_.ShowMessage(MessageKind::Warning, MessageButtons::Ok, choice.Warning);
    }
    doc_.Config.ImportFormat = choice.Format;
    FollowFormat();
    if (choice.Format == MinilyzerDbuFormat) {
        sensitivity_.Show();
    }
}

void TImportForm::ReferenceLevelExit(std::string_view text) {
    HandlerScope scope(changed_);
    const auto typed = ParseFieldValue(text);
    if (typed && std::isfinite(*typed)) {
        const double tenths = std::round(*typed * 10.0) / 10.0;
        doc_.Config.ImportReferenceLevel =
            static_cast<float>(std::clamp(tenths, MinimumReferenceLevel, MaximumReferenceLevel));
    }
    ShowReferenceLevel();
}

bool TImportForm::OKButtonClick() {
    HandlerScope scope(changed_);
    Configuration& config = doc_.Config;
    std::array<std::string, OutputCount> fields{};
    for (int output = 1; output <= OutputCount; ++output) {
        fields[Index(output)] = config.Output(output).SpeakerFile;
    }
    SpeakerImportSettings settings;
    settings.Format = config.ImportFormat;
    settings.ReferenceLevelDb = config.ImportReferenceLevel;
    settings.MicrophoneSensitivity = doc_.MicrophoneSensitivity;
    settings.ConfigurationFolder = doc_.ConfigurationFolder;
    const SpeakerImport import = ImportSpeakerData(fields, settings, TheResponseGrid().FrequencyHz);

    for (const SpeakerImportResult& result : import.Outputs) {
        if (!result.Message.empty()) {
            dialogs_.ShowMessage(MessageKind::Information, MessageButtons::Ok, result.Message);
        }
    }
    if (import.OutOfMemory) {
        return false;
    }
    for (int output = 1; output <= OutputCount; ++output) {
        const SpeakerImportResult& result = import.Outputs[Index(output)];
        doc_.SpeakerResponse[Index(output)] = result.Status == SpeakerImportStatus::Imported
                                                  ? ResponseOf(result.Curve)
                                                  : FrequencyResponse{};
        if (result.Status == SpeakerImportStatus::NotFound) {
            config.Output(output).SpeakerFile.clear();
        }
    }
    Close();
    responseChanged_.Mark();
    return true;
}

void TImportForm::ShowReferenceLevel() {
    ReferenceLevelText = FormatFixed(doc_.Config.ImportReferenceLevel, 1);
}

void TImportForm::FollowFormat() {
    DialogFilter = doc_.Config.ImportFormat == DaasFormat ? SplFilter : TextFilter;
}

} // namespace quorvex
