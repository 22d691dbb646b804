#include "engine/bessel_table.h"

#include "engine/txover.h"

#include <array>

namespace quorvex {

namespace {

constexpr int MaximumOrder = 8;

// One row per order, padded to four factors. Single precision, as the processor's reference
// designs keep them.
constexpr std::array<std::array<BesselFactor, 4>, MaximumOrder> Factors{{
    {{{1.0F, 0.0F}}},
    {{{1.3617F, 0.618F}}},
    {{{0.756F, 0.0F}, {0.9996F, 0.4772F}}},
    {{{1.3397F, 0.4889F}, {0.7743F, 0.389F}}},
    {{{0.6656F, 0.0F}, {1.1402F, 0.4128F}, {0.6216F, 0.3245F}}},
    {{{1.2217F, 0.3887F}, {0.9686F, 0.3505F}, {0.5131F, 0.2756F}}},
    {{{0.5937F, 0.0F}, {1.0944F, 0.3395F}, {0.8304F, 0.3011F}, {0.4332F, 0.2381F}}},
    {{{1.1112F, 0.3162F}, {0.9754F, 0.2979F}, {0.7202F, 0.2621F}, {0.3728F, 0.2087F}}},
}};

constexpr std::array<float, 4> FirstOrderFactors{1.0F, 1.323F, 1.502F, 1.684F};

// Above these the warped low-pass sections would land past half the sample rate.
constexpr std::array<double, MaximumOrder> MaximumLowPassHz{20000.0, 18800.0, 16500.0, 14900.0,
                                                            13650.0, 12550.0, 11650.0, 10900.0};

bool InTable(int order) {
    return order >= 1 && order <= MaximumOrder;
}

std::size_t RowOf(int order) {
    return static_cast<std::size_t>(order - 1);
}

} // namespace

std::span<const BesselFactor> BesselFactors(int order) {
    if (!InTable(order)) {
        return {};
    }
    const auto count = static_cast<std::size_t>((order + 1) / 2);
    return std::span<const BesselFactor>(Factors[RowOf(order)]).first(count);
}

float BesselFirstOrderFactor(int order) {
    if (!InTable(order)) {
        return 1.0F;
    }
    return FirstOrderFactors[static_cast<std::size_t>(order / 2)];
}

double MaximumBesselLowPass(int order) {
    return InTable(order) ? MaximumLowPassHz[RowOf(order)] : 0.0;
}

} // namespace quorvex
