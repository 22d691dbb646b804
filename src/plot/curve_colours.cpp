#include "plot/curve_colours.h"

#include <array>

namespace quorvex {

QColor OutputCurveColour(int output) {
    static const std::array<QColor, 6> Colours{
        QColor(0, 255, 255), // aqua
        QColor(255, 0, 0),   // red
        QColor(0, 255, 0),   // lime
        QColor(255, 0, 255), // fuchsia
        QColor(255, 255, 0), // yellow
        QColor(255, 149, 0), // orange
    };
    if (output < 1 || output > static_cast<int>(Colours.size())) {
        return SumCurveColour();
    }
    return Colours[static_cast<std::size_t>(output - 1)];
}

QColor SumCurveColour() {
    return QColor(255, 255, 255);
}

} // namespace quorvex
