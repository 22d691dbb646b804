#pragma once

#include "config/dimensions.h"
#include "config/measurement_formats.h"
#include "config/measurement_mapping.h"
#include "config/sound_pressure_level.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The import of measured speaker responses onto the response grid, one file per output.
// The grid is the caller's: the engine's 401 frequencies in the program, any rising integer
// frequencies in tests.

namespace quorvex {

inline constexpr double DefaultImportReferenceLevel = 90.0;

/// What applies to all six files of one import.
struct SpeakerImportSettings {
    std::int32_t Format = ClioFormat; ///< ImportFormat: a code of the format table
    double ReferenceLevelDb = DefaultImportReferenceLevel; ///< ImportReferenceLevel, the 0 dB line
    double MicrophoneSensitivity = DefaultMicrophoneSensitivity; ///< V/Pa, used by format 4 only
    /// Folder of the configuration file last chosen for Open (FolderOf its path), where a
    /// measurement moved together with that file is looked for; empty: none.
    std::string ConfigurationFolder;
};

enum class SpeakerImportStatus {
    NoFile,      ///< the field is empty
    Imported,    ///< Curve holds the measurement
    NotFound,    ///< neither at its path nor in the configuration folder: the field is emptied
    Refused,     ///< the header does not match the format: Message is the "is not a valid" text
    Failed,      ///< the file cannot be used: Message says why and, for data, on which line
    OutOfMemory, ///< Message is NotEnoughMemoryMessage; Curve is empty
};

struct SpeakerImportResult {
    SpeakerImportStatus Status = SpeakerImportStatus::NoFile;
    std::string FieldText; ///< the output's field after the import (emptied when NotFound)
    std::string FileName;  ///< the field's file name without its folder
    std::string ReadFrom;  ///< the path read: the field's, or the configuration folder's
    std::string Message;   ///< text of the OK box; empty unless Refused, Failed or OutOfMemory
    SpeakerCurve Curve;    ///< one entry per grid point; cleared (0 dB, 0 rad) unless Imported
};

/// Imports the text of one export already in memory. `fieldText` names it in messages.
/// Status is Imported, Refused, Failed or OutOfMemory.
SpeakerImportResult ImportMeasurementText(std::string_view text, std::string_view fieldText,
                                          const SpeakerImportSettings& settings,
                                          std::span<const std::int32_t> gridHz);

/// Imports the file an output's field names. When it is not at that path, the file of the
/// same name in settings.ConfigurationFolder is read instead; when it is in neither, the
/// result is NotFound with an emptied field and no message.
SpeakerImportResult ImportSpeakerFile(std::string_view fieldText,
                                      const SpeakerImportSettings& settings,
                                      std::span<const std::int32_t> gridHz);

/// The results of the six outputs, in output order. A file that fails leaves the others
/// imported. When memory runs out the import stops at once: OutOfMemory is set, the results
/// are incomplete and the curves shown before should stay.
struct SpeakerImport {
    std::array<SpeakerImportResult, OutputCount> Outputs;
    bool OutOfMemory = false;
};

/// ImportSpeakerData: the six fields (outputs 1 to 6; empty = no file) under one setting.
/// A message box is due for every output whose Message is not empty, in output order.
SpeakerImport ImportSpeakerData(const std::array<std::string, OutputCount>& fields,
                                const SpeakerImportSettings& settings,
                                std::span<const std::int32_t> gridHz);

} // namespace quorvex
