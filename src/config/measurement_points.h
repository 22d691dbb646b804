#pragma once

#include <vector>

namespace quorvex {

/// The data lines of a measurement export, one entry per line, frequencies strictly rising.
/// Phase is in the file's own unit (0 when the format has none).
struct MeasurementPoints {
    std::vector<double> FrequencyHz;
    std::vector<double> MagnitudeDb;
    std::vector<double> Phase;
};

} // namespace quorvex
