#include "plot/response_curve.h"

#include <algorithm>

namespace quorvex {

GraphCurve ResponseCurve(const QString& name, const QColor& colour, bool visible,
                         std::span<const std::int32_t> frequenciesHz,
                         std::span<const float> values) {
    GraphCurve curve{name, colour, visible, {}, {}};
    const std::size_t count = std::min(frequenciesHz.size(), values.size());
    curve.X.assign(frequenciesHz.begin(), frequenciesHz.begin() + static_cast<long>(count));
    curve.Y.assign(values.begin(), values.begin() + static_cast<long>(count));
    return curve;
}

double ResponseTickStep(bool phase, double minimum, double maximum) {
    constexpr double WideSpan = 60.0;
    if (phase) {
        return 45.0;
    }
    return maximum - minimum > WideSpan ? 10.0 : 5.0;
}

} // namespace quorvex
