#pragma once

#include <chrono>
#include <cstddef>

namespace quorvex {

/// Time one byte takes on the processor's line: 10 bits (start, 8 data, stop) at 9600 bit/s.
inline constexpr std::chrono::nanoseconds LineByteTime{1'041'667};

/// How many bytes of a burst that started `elapsed` ago the line has taken by now: the
/// first byte goes at once, each further one a byte time after the one before.
constexpr std::size_t BytesDue(std::chrono::nanoseconds elapsed) {
    if (elapsed < std::chrono::nanoseconds::zero()) {
        return 0;
    }
    return static_cast<std::size_t>(elapsed / LineByteTime) + 1;
}

/// Time from the start of a burst until byte `index` (0-based) is due.
constexpr std::chrono::nanoseconds DueTimeOf(std::size_t index) {
    return LineByteTime * static_cast<long long>(index);
}

} // namespace quorvex
