#pragma once

#include "config/crossover_setting.h"
#include "config/delay_setting.h"
#include "config/dimensions.h"
#include "config/dynamics_setting.h"
#include "config/level_setting.h"
#include "config/peq_band.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace quorvex {

inline constexpr int SystemNameCapacity = 40;
inline constexpr int ProjectNameCapacity = 30;
inline constexpr int EngineerCapacity = 30;
inline constexpr int CommentsCapacity = 200;
inline constexpr int ChannelNameCapacity = 6;
inline constexpr int SpeakerFileCapacity = 100;

struct SystemInfo {
    std::string SystemName = "NoName"; ///< at most 40 characters
    std::string ProjectName;           ///< at most 30
    std::string Engineer;              ///< at most 30
    std::string Comments;              ///< at most 200, lines separated by CR LF
};

/// Everything kept per output. Outputs 5 and 6 have three bands: Bands() shows only those.
struct OutputChannel {
    std::array<PeqBand, MaxBandsPerOutput> BandStorage{};
    int BandCount = MaxBandsPerOutput;
    std::int32_t BandsInUse = 2; ///< highest band selected in the equaliser editor
    CrossoverSetting Crossover;
    LevelSetting Level;
    DelaySetting Delay;
    std::string SpeakerFile; ///< imported measurement, at most 100 characters; empty = none

    std::span<PeqBand> Bands() { return {BandStorage.data(), static_cast<std::size_t>(BandCount)}; }
    std::span<const PeqBand> Bands() const {
        return {BandStorage.data(), static_cast<std::size_t>(BandCount)};
    }
    /// Band 1..BandCount.
    PeqBand& Band(int band) { return BandStorage.at(static_cast<std::size_t>(band - 1)); }
    const PeqBand& Band(int band) const {
        return BandStorage.at(static_cast<std::size_t>(band - 1));
    }
};

/// Mixing of the two main outputs of a DSP into its sub feed; each 0.0 or 1.0.
struct SubFeedCoefficients {
    double P = 1.0;
    double Q = 0.0;
    double R = 0.0;
    double S = 1.0;
};

/// Which stages the combined-response window adds up.
struct ResponseViewFlags {
    bool SpeakerDataView = true; ///< `SpkData`
    bool PeqView = true;         ///< `PEQBox`
    bool CrossoverView = true;   ///< `XOVERBox`
    bool GainView = true;        ///< `GAINBox`
    bool DelayView = true;       ///< `DelayBox`
};

/// The complete set of settings designed for one memory of the processor.
/// Per-output arrays are indexed by output - 1, per-block arrays by block - 1.
/// A default-constructed configuration is the state when the program has started, before
/// any New configuration: every editor's section at its defaults, the main window's names
/// ("SUB 1", "SUB 2" with a blank), all five view flags set, ImportFormat 0.
struct Configuration {
    Configuration();

    quorvex::SystemInfo SystemInfo;
    std::int32_t SampleRate = ProcessorSampleRate;
    std::int32_t TemperatureC = 25; ///< 0 .. 50
    std::array<std::string, InputCount> InputNames{"In1", "In2"};
    std::array<std::string, OutputCount> OutputNames{"Out1", "Out2",  "Out3",
                                                     "Out4", "SUB 1", "SUB 2"};
    std::array<std::int32_t, OutputCount> Route{0, 2, 0, 2, 1, 1}; ///< RouteCode per output
    std::array<double, OutputCount> RouteGainA{1.0, 0.0, 1.0, 0.0, 0.5, 0.5};
    std::array<double, OutputCount> RouteGainB{0.0, 1.0, 0.0, 1.0, 0.5, 0.5};
    std::array<OutputChannel, OutputCount> Outputs{};
    std::array<DynamicsSetting, DynamicsBlockCount> Dynamics{};
    std::array<SubFeedCoefficients, DspCount> SubFeed{};
    ResponseViewFlags ResponseView;
    std::int32_t ImportFormat = 0;
    float ImportReferenceLevel = 90.0F; ///< dB SPL taken as 0 dB of imported data

    /// Output 1..6.
    OutputChannel& Output(int output) { return Outputs.at(static_cast<std::size_t>(output - 1)); }
    const OutputChannel& Output(int output) const {
        return Outputs.at(static_cast<std::size_t>(output - 1));
    }
    /// Dynamics block 1..3.
    DynamicsSetting& Block(int block) { return Dynamics.at(static_cast<std::size_t>(block - 1)); }
    const DynamicsSetting& Block(int block) const {
        return Dynamics.at(static_cast<std::size_t>(block - 1));
    }
};

} // namespace quorvex
