#pragma once

#include <span>

namespace quorvex {

/// One factor (1 + a s + b s^2) of a Bessel prototype normalised to -3 dB at 1 rad/s;
/// b is 0 for the first-order factor of an odd order.
struct BesselFactor {
    float a;
    float b;
};

/// The factors of a Bessel prototype of order 1..8 in section order (a first-order factor
/// first for an odd order); empty for any other order.
std::span<const BesselFactor> BesselFactors(int order);

/// Frequency factor of the first-order section of an odd order (the reciprocal of its a,
/// as the tables keep it); 1 for order 1 and for orders outside 1..8.
float BesselFirstOrderFactor(int order);

} // namespace quorvex
