#include "engine/response_grid.h"
#include "engine/tsos.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvex {

namespace {

// Sums this close to 0 dB are shown, and compared, as exactly flat.
constexpr double FlatThresholdDb = 1e-8;

void ClearResponse(FrequencyResponse& response) {
    std::fill_n(response.Magnitude.begin(), GridPointCount, 0.0F);
    std::fill_n(response.Phase.begin(), GridPointCount, 0.0F);
}

/// atan2 in [-pi, pi): a negative real value is -pi whatever the sign of its zero imaginary
/// part, so that the summed phase of a cascade never depends on a signed zero.
double PhaseOf(double re, double im) {
    if (im == 0.0) {
        return re < 0.0 ? -std::numbers::pi : 0.0;
    }
    return std::atan2(im, re);
}

/// Adds one section's magnitude (dB) and phase to the running sums at every grid point.
void AccumulateSection(const TSOS& section, const ResponseGrid& grid, FrequencyResponse& response) {
    const auto b0 = static_cast<double>(section.b0);
    const auto b1 = static_cast<double>(section.b1);
    const auto b2 = static_cast<double>(section.b2);
    const auto na1 = -static_cast<double>(section.a1);
    const auto na2 = -static_cast<double>(section.a2);
    for (std::size_t i = 0; i <= static_cast<std::size_t>(GridLastIndex); ++i) {
        const double zr = grid.ZInverse[i].real();
        const double zi = grid.ZInverse[i].imag();
        // N = b0 + z^-1 (b1 + b2 z^-1)
        const double pr = b1 + b2 * zr;
        const double pim = b2 * zi;
        const double nr = b0 + (pr * zr - pim * zi);
        const double ni = pr * zi + pim * zr;
        // D = 1 + z^-1 (-a1 - a2 z^-1)
        const double qr = na1 + na2 * zr;
        const double qi = na2 * zi;
        const double dr = 1.0 + (qr * zr - qi * zi);
        const double di = qr * zi + qi * zr;
        // Smith's division: scale by the larger part of D so that neither overflows.
        double hr = 0.0;
        double hi = 0.0;
        if (std::fabs(dr) >= std::fabs(di)) {
            const double ratio = di / dr;
            const double scale = dr + di * ratio;
            hr = (nr + ni * ratio) / scale;
            hi = (ni - nr * ratio) / scale;
        } else {
            const double ratio = dr / di;
            const double scale = di + dr * ratio;
            hr = (nr * ratio + ni) / scale;
            hi = (ni * ratio - nr) / scale;
        }
        float magnitude = static_cast<float>(response.Magnitude[i] +
                                             20.0 * std::log10(std::sqrt(hr * hr + hi * hi)));
        if (std::fabs(magnitude) < FlatThresholdDb) {
            magnitude = 0.0F;
        }
        response.Magnitude[i] = magnitude;
        response.Phase[i] = static_cast<float>(response.Phase[i] + PhaseOf(hr, hi));
    }
}

template <typename SectionList, typename SectionOf>
void Cascade(SectionList sections, int count, FrequencyResponse& response, SectionOf sectionOf) {
    ClearResponse(response);
    const ResponseGrid& grid = TheResponseGrid();
    const auto used = std::min(static_cast<std::size_t>(std::max(count, 0)), sections.size());
    for (std::size_t k = 0; k < used; ++k) {
        if (const TSOS* section = sectionOf(sections[k])) {
            AccumulateSection(*section, grid, response);
        }
    }
}

} // namespace

void AddResponse(std::span<const TSOS* const> sections, int count, FrequencyResponse& response) {
    Cascade(sections, count, response, [](const TSOS* section) { return section; });
}

void AddResponse(std::span<const TSOS> sections, int count, FrequencyResponse& response) {
    Cascade(sections, count, response, [](const TSOS& section) { return &section; });
}

} // namespace quorvex
