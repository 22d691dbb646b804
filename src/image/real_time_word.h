#pragma once

#include "image/coefficient_word.h"

namespace quorvex {

/// A value ready for a real-time message: its coefficient word, and the value the
/// processor will run, which the editors show.
struct RealTimeWord {
    WordBytes Bytes{};
    double Value = 0.0; ///< the sign-extended 22-bit word / 2^20
};

/// Quantises a value as the image does (same word, same saturation), for a real-time write.
RealTimeWord QuantiseForRealTime(long double value);

} // namespace quorvex
