#pragma once

#include <chrono>

namespace quorvex {

// The processor's serial line and how the program drives it.
inline constexpr int SerialBaudRate = 9600; ///< 8 data bits, no parity, 1 stop bit, no handshake
inline constexpr int SerialInputBufferSize = 128;   ///< bytes read at most per polling tick
inline constexpr int SerialOutputBufferSize = 2048; ///< bytes queued at most for the line
inline constexpr std::chrono::milliseconds SerialPollingPeriod{50};
/// A write that makes no progress for this long is abandoned; the reply wait then times out.
inline constexpr std::chrono::milliseconds SerialOutputTimeout{1000};
/// The window timer of a reply wait.
inline constexpr std::chrono::milliseconds SerialReplyTimeout{2000};

} // namespace quorvex
