#pragma once

// Fixed dimensions of the processor. Outputs are numbered 1..6 everywhere
// (Out1, Out2, Out3, Out4, SUB1, SUB2); arrays indexed by output use index
// output - 1.

namespace quorvex {

inline constexpr int OutputCount = 6;
inline constexpr int InputCount = 2;
inline constexpr int DynamicsBlockCount = 3;
inline constexpr int DspCount = 2;
inline constexpr int MaxBandsPerOutput = 7;
inline constexpr int SubBandCount = 3;
inline constexpr int ProcessorSampleRate = 48000;

/// True for the two sub outputs (5 and 6).
constexpr bool IsSubOutput(int output) {
    return output == 5 || output == 6;
}

/// Equaliser bands of an output: 7 for outputs 1..4, 3 for outputs 5 and 6.
constexpr int BandCountOf(int output) {
    return IsSubOutput(output) ? SubBandCount : MaxBandsPerOutput;
}

/// DSP block (1 or 2) that runs an output: 1, 2, 5 on DSP 1; 3, 4, 6 on DSP 2.
constexpr int DspOf(int output) {
    return (output == 1 || output == 2 || output == 5) ? 1 : 2;
}

/// Position (1..3) of an output inside its DSP block: a, b, sub.
constexpr int PositionInDspOf(int output) {
    return IsSubOutput(output) ? 3 : ((output - 1) % 2) + 1;
}

/// Output number at a position (1..3) of a DSP block (1 or 2).
constexpr int OutputAt(int dsp, int position) {
    if (position == 3) {
        return dsp == 1 ? 5 : 6;
    }
    return (dsp - 1) * 2 + position;
}

/// Dynamics block (1..3) serving an output: 1 for Out1/Out2, 2 for Out3/Out4, 3 for the subs.
constexpr int DynamicsBlockOf(int output) {
    return IsSubOutput(output) ? 3 : (output + 1) / 2;
}

} // namespace quorvex
