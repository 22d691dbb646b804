#pragma once

// Where everything lives in the 2688-byte .QVX record. All numbers are little-endian; a
// text[n] field takes n + 1 bytes (length byte, then up to n characters).

#include "config/dimensions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvex::qvx {

inline constexpr std::size_t RecordSize = 2688;
/// Older layouts: the record without its two gate arrays, and a still older one.
inline constexpr std::size_t RecordSizeWithoutGates = 2664;
inline constexpr std::size_t RecordSizeOldest = 2436;

/// The signature text field: length 5, "XDACF". Readers compare exactly these six bytes.
inline constexpr std::array<std::uint8_t, 6> SignatureBytes{0x05, 0x58, 0x44, 0x41, 0x43, 0x46};
inline constexpr std::string_view SignatureText = "XDACF";
inline constexpr std::string_view VersionText = "2.1.";
/// The header is this text followed directly by the full path of the saved file.
inline constexpr std::string_view HeaderText = "Tessaline S.A. Quorvex2.1.0.1";

inline constexpr std::size_t SignatureOffset = 0;
inline constexpr std::size_t SignatureCapacity = 9;
inline constexpr std::size_t VersionOffset = 10;
inline constexpr std::size_t VersionCapacity = 4;
inline constexpr std::size_t HeaderOffset = 15;
inline constexpr std::size_t HeaderCapacity = 100;
inline constexpr std::size_t SystemNameOffset = 116;
inline constexpr std::size_t ProjectNameOffset = 157;
inline constexpr std::size_t EngineerOffset = 188;
inline constexpr std::size_t CommentsOffset = 219;
inline constexpr std::size_t SampleRateOffset = 420;
inline constexpr std::size_t TemperatureOffset = 424;
/// Eight text[6] names: In1, In2, then outputs 1 to 6.
inline constexpr std::size_t NamesOffset = 428;
inline constexpr std::size_t NameFieldSize = 7;
inline constexpr std::size_t DelaySamplesOffset = 484;
inline constexpr std::size_t BandsInUseOffset = 508;
inline constexpr std::size_t MainBandsOffset = 532; ///< outputs 1..4, seven bands each
inline constexpr std::size_t SubBandsOffset = 1316; ///< outputs 5, 6, three bands each
inline constexpr std::size_t GainFactorOffset = 1484;
inline constexpr std::size_t PolarityOffset = 1532;
inline constexpr std::size_t MuteOffset = 1538;
inline constexpr std::size_t CrossoverOffset = 1544;
inline constexpr std::size_t SoloHighPassOffset = 1712;
inline constexpr std::size_t SoloLowPassOffset = 1718;
inline constexpr std::size_t DynamicsOffset = 1724;
inline constexpr std::size_t RouteOffset = 1916;
inline constexpr std::size_t RouteGainAOffset = 1940; ///< round(10 x factor)
inline constexpr std::size_t RouteGainBOffset = 1964; ///< round(10 x factor)
/// round(10 x coefficient) of DSP blocks 1 and 2, one array per coefficient.
inline constexpr std::size_t SubFeedPOffset = 1988;
inline constexpr std::size_t SubFeedQOffset = 1996;
inline constexpr std::size_t SubFeedROffset = 2004;
inline constexpr std::size_t SubFeedSOffset = 2012;
inline constexpr std::size_t ResponseViewOffset = 2020;
inline constexpr std::size_t SpeakerFileOffset = 2025;
inline constexpr std::size_t SpeakerFileFieldSize = 101;
inline constexpr std::size_t ImportFormatOffset = 2632;
inline constexpr std::size_t ImportReferenceLevelOffset = 2636;
inline constexpr std::size_t RelativeDistanceOffset = 2640;
inline constexpr std::size_t GatePositionOffset = 2664; ///< round(position), blocks 1..3
inline constexpr std::size_t GateSlopeOffset = 2676;    ///< round(slope), blocks 1..3

/// Gate values that files without the gate arrays take for every dynamics block.
inline constexpr float OlderFileGatePosition = 13.0F;
inline constexpr float OlderFileGateSlope = 4.0F;

/// Band record: one PeqBand.
inline constexpr std::size_t BandRecordSize = 28;
inline constexpr std::size_t BandGain = 0;
inline constexpr std::size_t BandFrequency = 8;
inline constexpr std::size_t BandQ = 16;
inline constexpr std::size_t BandFilterType = 24;

/// Crossover record: one CrossoverSetting without its solo flags.
inline constexpr std::size_t CrossoverRecordSize = 28;
inline constexpr std::size_t CrossoverHighPassFrequency = 0;
inline constexpr std::size_t CrossoverLowPassFrequency = 4;
inline constexpr std::size_t CrossoverLowPassOrder = 8;
inline constexpr std::size_t CrossoverHighPassOrder = 12;
inline constexpr std::size_t CrossoverLowPassFamily = 24;
inline constexpr std::size_t CrossoverHighPassFamily = 25;

/// Dynamics record: one DynamicsSetting without its gate.
inline constexpr std::size_t DynamicsRecordSize = 64;
inline constexpr std::size_t DynamicsThreshold = 0;
inline constexpr std::size_t DynamicsRatio = 4;
inline constexpr std::size_t DynamicsMakeupGain = 8;
inline constexpr std::size_t DynamicsRmsCoefficient = 12;
inline constexpr std::size_t DynamicsHoldSamples = 16;
inline constexpr std::size_t DynamicsDecaySteps = 20;
inline constexpr std::size_t DynamicsLookAheadSamples = 24;
inline constexpr std::size_t DynamicsExtraFlag = 28;
inline constexpr std::size_t DynamicsCompressorMode = 29;
inline constexpr std::size_t DynamicsKnee = 32;
inline constexpr std::size_t DynamicsBalanced = 36;
inline constexpr std::size_t DynamicsDecimation = 37;
inline constexpr std::size_t DynamicsBypass = 38;
inline constexpr std::size_t DynamicsXdBmaxLimit = 40;
inline constexpr std::size_t DynamicsAmpGain = 44;
inline constexpr std::size_t DynamicsLoadImpedance = 48;
inline constexpr std::size_t DynamicsSpeakerMaxPower = 52;
inline constexpr std::size_t DynamicsAmpMaxPower = 56;
inline constexpr std::size_t DynamicsSpeakerCountIndex = 60;

/// Offset of an int32, boolean or double in an array that repeats per output 1..6
/// (or per block), `size` bytes apart.
constexpr std::size_t ElementOffset(std::size_t arrayOffset, int number, std::size_t size) {
    return arrayOffset + static_cast<std::size_t>(number - 1) * size;
}

/// Offset of the band record of band 1..7 of output 1..4, or band 1..3 of output 5 or 6.
constexpr std::size_t BandRecordOffset(int output, int band) {
    if (IsSubOutput(output)) {
        return SubBandsOffset +
               static_cast<std::size_t>((output - 5) * SubBandCount + band - 1) * BandRecordSize;
    }
    return MainBandsOffset +
           static_cast<std::size_t>((output - 1) * MaxBandsPerOutput + band - 1) * BandRecordSize;
}

/// Offset of the name field of input 1, 2 (index 0, 1) or output 1..6 (index 2..7).
constexpr std::size_t NameOffset(int index) {
    return NamesOffset + static_cast<std::size_t>(index) * NameFieldSize;
}

static_assert(BandRecordOffset(4, 7) + BandRecordSize == SubBandsOffset);
static_assert(BandRecordOffset(6, 3) + BandRecordSize == GainFactorOffset);
static_assert(CrossoverOffset + OutputCount * CrossoverRecordSize == SoloHighPassOffset);
static_assert(DynamicsOffset + DynamicsBlockCount * DynamicsRecordSize == RouteOffset);
static_assert(SpeakerFileOffset + OutputCount * SpeakerFileFieldSize + 1 == ImportFormatOffset);
static_assert(GateSlopeOffset + DynamicsBlockCount * 4 == RecordSize);

} // namespace quorvex::qvx

namespace quorvex {

/// One configuration file record as the current writer produces it.
using QvxRecord = std::array<std::uint8_t, qvx::RecordSize>;

} // namespace quorvex
