#include "config/measurement_import.h"

#include "config/measurement_file.h"
#include "config/measurement_messages.h"
#include "config/measurement_parser.h"
#include "config/speaker_file_path.h"
#include "config/text_lines.h"

#include <cmath>
#include <new>
#include <numbers>

namespace quorvex {

namespace {

SpeakerImportResult Unusable(SpeakerImportStatus status, std::string message,
                             std::size_t gridSize) {
    SpeakerImportResult result;
    result.Status = status;
    result.Message = std::move(message);
    result.Curve = ClearedCurve(gridSize);
    return result;
}

SpeakerImportResult OutOfMemory() {
    SpeakerImportResult result;
    result.Status = SpeakerImportStatus::OutOfMemory;
    result.Message = NotEnoughMemoryMessage;
    return result;
}

bool HoldsOnlyBlanks(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

bool IsUsableSensitivity(double voltsPerPascal) {
    return std::isfinite(voltsPerPascal) && voltsPerPascal > 0.0;
}

void ConvertDbuToSoundPressureLevel(MeasurementPoints& points, double sensitivity) {
    for (double& level : points.MagnitudeDb) {
        level = SoundPressureLevelFromDbu(level, sensitivity);
    }
}

double PhaseToRadians(PhaseUnit unit) {
    return unit == PhaseUnit::Degrees ? std::numbers::pi / 180.0 : 1.0;
}

// A reference level read from a damaged configuration file must not wipe every curve.
double UsableReferenceLevel(double levelDb) {
    return std::isfinite(levelDb) ? levelDb : DefaultImportReferenceLevel;
}

SpeakerImportResult ImportRecognisedText(std::span<const std::string_view> lines,
                                         std::string_view fieldText,
                                         const MeasurementLayout& layout,
                                         const SpeakerImportSettings& settings,
                                         std::span<const std::int32_t> gridHz) {
    const bool inDbu = layout.MagnitudeIn == MagnitudeUnit::Dbu;
    if (inDbu && !IsUsableSensitivity(settings.MicrophoneSensitivity)) {
        return Unusable(SpeakerImportStatus::Failed,
                        FileFaultMessage(fieldText, MeasurementFileFault::NoSensitivity),
                        gridHz.size());
    }
    MeasurementRead read = ReadMeasurementPoints(lines, layout);
    if (read.Fault) {
        return Unusable(SpeakerImportStatus::Failed,
                        ReadFaultMessage(fieldText, layout, *read.Fault), gridHz.size());
    }
    if (inDbu) {
        ConvertDbuToSoundPressureLevel(read.Points, settings.MicrophoneSensitivity);
    }
    SpeakerImportResult result;
    result.Status = SpeakerImportStatus::Imported;
    result.Curve = MapOntoGrid(read.Points, gridHz, UsableReferenceLevel(settings.ReferenceLevelDb),
                               PhaseToRadians(layout.PhaseIn));
    return result;
}

} // namespace

SpeakerImportResult ImportMeasurementText(std::string_view text, std::string_view fieldText,
                                          const SpeakerImportSettings& settings,
                                          std::span<const std::int32_t> gridHz) {
    try {
        const MeasurementLayout* format = FindMeasurementFormat(settings.Format);
        if (format == nullptr) {
            return Unusable(SpeakerImportStatus::Failed,
                            UnknownFormatMessage(fieldText, settings.Format), gridHz.size());
        }
        if (text.find('\0') != std::string_view::npos) {
            return Unusable(SpeakerImportStatus::Failed,
                            FileFaultMessage(fieldText, MeasurementFileFault::NotText),
                            gridHz.size());
        }
        if (HoldsOnlyBlanks(text)) {
            return Unusable(SpeakerImportStatus::Failed,
                            FileFaultMessage(fieldText, MeasurementFileFault::Empty),
                            gridHz.size());
        }
        const auto lines = SplitLines(text, MaxMeasurementLines);
        if (!lines) {
            return Unusable(SpeakerImportStatus::Failed,
                            FileFaultMessage(fieldText, MeasurementFileFault::TooManyLines),
                            gridHz.size());
        }
        const MeasurementLayout* layout = RecogniseLayout(settings.Format, *lines);
        if (layout == nullptr) {
            return Unusable(SpeakerImportStatus::Refused, NotValidExportMessage(fieldText, *format),
                            gridHz.size());
        }
        return ImportRecognisedText(*lines, fieldText, *layout, settings, gridHz);
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

SpeakerImportResult ImportSpeakerFile(std::string_view fieldText,
                                      const SpeakerImportSettings& settings,
                                      std::span<const std::int32_t> gridHz) {
    try {
        const std::string_view fileName = FileNameOf(fieldText);
        SpeakerImportResult result;
        if (fieldText.empty()) {
            result.Curve = ClearedCurve(gridHz.size());
            return result;
        }
        std::string readFrom(fieldText);
        MeasurementFile file = LoadMeasurementFile(readFrom);
        if (file.Status == MeasurementFileStatus::NotFound &&
            !settings.ConfigurationFolder.empty() && !fileName.empty()) {
            readFrom = JoinPath(settings.ConfigurationFolder, fileName);
            file = LoadMeasurementFile(readFrom);
        }
        if (file.Status == MeasurementFileStatus::NotFound) {
            result.Status = SpeakerImportStatus::NotFound;
            result.FileName = fileName;
            result.Curve = ClearedCurve(gridHz.size());
            return result;
        }
        if (file.Status == MeasurementFileStatus::TooLarge) {
            result = Unusable(SpeakerImportStatus::Failed,
                              FileFaultMessage(fieldText, MeasurementFileFault::TooLarge),
                              gridHz.size());
        } else {
            result = ImportMeasurementText(file.Bytes, fieldText, settings, gridHz);
        }
        result.FieldText = fieldText;
        result.FileName = fileName;
        result.ReadFrom = std::move(readFrom);
        return result;
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

SpeakerImport ImportSpeakerData(const std::array<std::string, OutputCount>& fields,
                                const SpeakerImportSettings& settings,
                                std::span<const std::int32_t> gridHz) {
    SpeakerImport import;
    for (std::size_t output = 0; output < fields.size(); ++output) {
        import.Outputs[output] = ImportSpeakerFile(fields[output], settings, gridHz);
        if (import.Outputs[output].Status == SpeakerImportStatus::OutOfMemory) {
            import.OutOfMemory = true;
            break;
        }
    }
    return import;
}

} // namespace quorvex
