#pragma once

#include <string>
#include <string_view>

namespace quorvex {

inline constexpr std::string_view MagnitudeReadoutUnit = " dBs";
inline constexpr std::string_view PhaseReadoutUnit = "\u00ba ";

/// What an editor's plot reads out for the mouse at a frequency (Hz) and a curve value: the
/// frequency to the nearest integer, " Hz , ", the value with two decimals and its unit
/// (" dBs" in magnitude mode, "º " in phase mode).
std::string PlotReadout(double frequencyHz, double value, bool magnitude);

} // namespace quorvex
