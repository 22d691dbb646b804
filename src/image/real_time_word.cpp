#include "image/real_time_word.h"

namespace quorvex {

RealTimeWord QuantiseForRealTime(long double value) {
    const WordBytes bytes = EncodeCoefficientWord(value);
    return {bytes, CoefficientWordValue(bytes)};
}

} // namespace quorvex
