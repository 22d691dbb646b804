#pragma once

#include "config/configuration.h"
#include "engine/engine_objects.h"
#include "engine/frequency_response.h"

#include <array>
#include <string>

namespace quorvex {

/// The one document of a run: the configuration, the engine objects designed from it, the
/// stage responses drawn from them and where the document lives on disk. The editors change
/// it; the file, image and device operations read it.
struct Document {
    Configuration Config;
    EngineObjects Engine; ///< band sections, crossovers, dynamics blocks, sub reinforcement

    // Stage responses kept per output (index output - 1) and per sub (index sub - 1).
    std::array<FrequencyResponse, OutputCount> EqualiserResponse{};
    std::array<FrequencyResponse, OutputCount> CrossoverResponse{};
    std::array<FrequencyResponse, OutputCount> SpeakerResponse{};
    std::array<FrequencyResponse, 2> ReinforcementResponse{};

    double MicrophoneSensitivity = 0.020; ///< V/Pa of imported measurements (shown in mV/Pa)
    bool SaveQuestionCancelled = false;   ///< the cancel mark that Read tests
    std::string ChosenFileName;           ///< full path of the open or saved file
    std::string ConfigurationFolder;      ///< folder of the last file opened, for re-imports
};

} // namespace quorvex
