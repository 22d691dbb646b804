#pragma once

#include "plot/graph_content.h"

#include <cstdint>
#include <span>

namespace quorvex {

/// A curve through the response grid's points: `values` (dB or degrees) at the integer
/// frequencies `frequenciesHz`; the shorter of the two sets the length.
GraphCurve ResponseCurve(const QString& name, const QColor& colour, bool visible,
                         std::span<const std::int32_t> frequenciesHz,
                         std::span<const float> values);

/// The labelled grid spacing of a response plot's Y axis: 45 degrees for phase, 5 dB for a
/// magnitude span of up to 60 dB and 10 dB above.
double ResponseTickStep(bool phase, double minimum, double maximum);

} // namespace quorvex
