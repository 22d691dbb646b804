#include "app/field_format.h"
#include "app/import_form.h"
#include "app/sensitivity_form.h"
#include "cli/offline_commands.h"
#include "cli/response_csv.h"
#include "config/measurement_formats.h"
#include "config/measurement_import.h"
#include "engine/response_grid.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <system_error>

namespace quorvex {

namespace {

const CommandSyntax ImportSyntax{{"--format", "--ref", "--sensitivity"}, {}, 1, 1};

/// The number an option holds, inside [minimum, maximum]; nothing otherwise.
std::optional<double> NumberIn(const std::string& text, double minimum, double maximum) {
    const auto value = ParseFieldValue(text);
    if (!value || !std::isfinite(*value) || *value < minimum || *value > maximum) {
        return std::nullopt;
    }
    return value;
}

std::vector<ResponseColumn> CurveColumns(const SpeakerCurve& curve) {
    std::vector<ResponseColumn> columns{{"mag_db", {}}, {"phase_rad", {}}};
    const std::size_t count = std::min<std::size_t>(curve.MagnitudeDb.size(), GridPointCount);
    std::copy_n(curve.MagnitudeDb.begin(), count, columns[0].Values.begin());
    std::copy_n(curve.PhaseRadians.begin(), std::min(count, curve.PhaseRadians.size()),
                columns[1].Values.begin());
    return columns;
}

} // namespace

int RunImportCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandArguments(ImportUsage, arguments, ImportSyntax, err);
    if (!line) {
        return ExitUsage;
    }
    const auto formatText = line->Option("--format");
    const auto format = formatText ? ParseFieldValue(*formatText) : std::nullopt;
    if (!format || *format != std::trunc(*format) || std::abs(*format) > 1000.0) {
        return UsageError(ImportUsage, "--format needs a format code", err);
    }
    SpeakerImportSettings settings;
    const ImportFormatChoice choice = ChooseImportFormat(static_cast<std::int32_t>(*format));
    if (!choice.Warning.empty()) {
        return Failure(choice.Warning, err);
    }
    settings.Format = choice.Format;
    const auto reference =
        NumberIn(line->Option("--ref").value_or("90.0"), TImportForm::MinimumReferenceLevel,
                 TImportForm::MaximumReferenceLevel);
    const auto millivolts =
        NumberIn(line->Option("--sensitivity").value_or("20"), TSensitivityForm::MinimumMillivolts,
                 TSensitivityForm::MaximumMillivolts);
    if (!reference || !millivolts) {
        return UsageError(ImportUsage,
                          "--ref takes -140 .. 140 dB and --sensitivity 1 .. 999 mV/Pa", err);
    }
    settings.ReferenceLevelDb = *reference;
    settings.MicrophoneSensitivity = *millivolts / 1000.0;

    const std::string& path = line->Positional[0];
    const SpeakerImportResult result =
        ImportSpeakerFile(path, settings, TheResponseGrid().FrequencyHz);
    switch (result.Status) {
    case SpeakerImportStatus::Imported:
        WriteResponseCsv(CurveColumns(result.Curve), out);
        return ExitSuccess;
    case SpeakerImportStatus::NotFound:
    case SpeakerImportStatus::NoFile:
        return Failure(path + ": " + std::generic_category().message(ENOENT), err);
    default:
        return Failure(result.Message, err);
    }
}

} // namespace quorvex
