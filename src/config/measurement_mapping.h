#pragma once

#include "config/measurement_points.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvex {

/// Magnitude where the measurement says nothing: below its first or above its last frequency.
inline constexpr float OutsideMeasuredRangeDb = -140.0F;

/// A speaker response over the grid it was mapped onto, one entry per grid point:
/// magnitude in dB relative to the reference level, phase in radians.
struct SpeakerCurve {
    std::vector<float> MagnitudeDb;
    std::vector<float> PhaseRadians;
};

/// A curve with no data: 0 dB and 0 rad at every one of `pointCount` points.
SpeakerCurve ClearedCurve(std::size_t pointCount);

/// Maps measured points (at least one, frequencies strictly rising) onto grid frequencies.
/// At each grid frequency g the value is interpolated linearly between the last data line at
/// or below g and the next one; a g equal to the last data frequency takes that line's value.
/// Magnitudes have `referenceLevelDb` subtracted; phases are multiplied by `phaseToRadians`.
/// A g below the first or above the last data frequency gets OutsideMeasuredRangeDb and
/// phase 0. Results beyond the range of float are held at its ends.
SpeakerCurve MapOntoGrid(const MeasurementPoints& points, std::span<const std::int32_t> gridHz,
                         double referenceLevelDb, double phaseToRadians);

} // namespace quorvex
