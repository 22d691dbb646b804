#pragma once

namespace quorvex {

/// Microphone sensitivity the "Input Sensitivity" window starts from: 20 mV/Pa.
inline constexpr double DefaultMicrophoneSensitivity = 0.020;

/// Sound pressure level (dB re 20 uPa) of a microphone voltage level in dBu (0 dBu =
/// 0.775 V rms) for a microphone sensitivity in V/Pa (> 0):
/// 20 log10(10^(L/20) x 0.775 / sensitivity / 0.00002).
double SoundPressureLevelFromDbu(double levelDbu, double sensitivityVoltsPerPascal);

} // namespace quorvex
