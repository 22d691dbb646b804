#include "config/measurement_mapping.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace quorvex {

namespace {

float ToFloat(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

} // namespace

SpeakerCurve ClearedCurve(std::size_t pointCount) {
    return {std::vector<float>(pointCount, 0.0F), std::vector<float>(pointCount, 0.0F)};
}

SpeakerCurve MapOntoGrid(const MeasurementPoints& points, std::span<const std::int32_t> gridHz,
                         double referenceLevelDb, double phaseToRadians) {
    const std::vector<double>& f = points.FrequencyHz;
    const std::vector<double>& m = points.MagnitudeDb;
    const std::vector<double>& p = points.Phase;
    assert(!f.empty() && m.size() == f.size() && p.size() == f.size());
    assert(std::is_sorted(f.begin(), f.end()));

    SpeakerCurve curve = ClearedCurve(gridHz.size());
    for (std::size_t i = 0; i < gridHz.size(); ++i) {
        const double g = gridHz[i];
        if (f.empty() || g < f.front() || g > f.back()) {
            curve.MagnitudeDb[i] = OutsideMeasuredRangeDb;
            continue;
        }
        // The last data line at or below g; the walk never passes the last line.
        const auto k =
            static_cast<std::size_t>(std::upper_bound(f.begin(), f.end(), g) - f.begin()) - 1;
        double magnitude = m[k];
        double phase = p[k];
        if (k + 1 < f.size()) {
            // The fraction lies in [0, 1), so lerp stays finite even for absurd inputs.
            const double t = (g - f[k]) / (f[k + 1] - f[k]);
            magnitude = std::lerp(m[k], m[k + 1], t);
            phase = std::lerp(p[k], p[k + 1], t);
        }
        curve.MagnitudeDb[i] = ToFloat(magnitude - referenceLevelDb);
        curve.PhaseRadians[i] = ToFloat(phase * phaseToRadians);
    }
    return curve;
}

} // namespace quorvex
