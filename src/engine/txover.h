#pragma once

#include "config/crossover_setting.h"
#include "engine/tsos.h"

#include <array>
#include <string>

namespace quorvex {

/// Outcome of a crossover design.
enum class CrossoverDesignOutcome {
    Designed,      ///< sections hold the design
    BesselLimited, ///< Bessel low pass above its maximum: frequencies moved, nothing designed
    OrderRefused,  ///< an order the three sections cannot hold (Linkwitz-Riley 6 or 8)
};

struct CrossoverDesignResult {
    CrossoverDesignOutcome Outcome = CrossoverDesignOutcome::Designed;
    double MaximumFrequency = 0.0; ///< with BesselLimited: the maximum the frequency moved to
    std::string Message;           ///< text to show the person, empty when Designed
};

/// One crossover filter: a cascade of up to three sections. Family, Order and Frequency
/// come from CrossoverSection (a new filter has Order 4, Frequency 1000, Family 0).
struct TXOVERPB : CrossoverSection {
    std::array<TSOS, 3> Sections{}; ///< sections 1..3 at index 0..2
    std::int32_t SectionCount = 1;  ///< sections, from number 1, that the design filled

    TXOVERPB();

    /// Redesigns the sections from Family, Order and Frequency. For families 0..6 the
    /// caller first sets the Frequency of sections 1 and 2 to the crossover frequency.
    CrossoverDesignResult DesignCrossover();
};

/// The crossover of one output: HighPass (lower edge) and LowPass (upper edge).
struct TXOVER : TXOVERPB {
    TXOVERPB HighPass;
    TXOVERPB LowPass;
};

/// Highest Bessel low-pass frequency of an order 1..8 (Hz); 0 for other orders.
double MaximumBesselLowPass(int order);

} // namespace quorvex
