#include "engine/txover.h"

#include "config/rounding.h"
#include "engine/bessel_table.h"

#include <cmath>
#include <numbers>
#include <span>

namespace quorvex {

namespace {

using Extended = long double;

constexpr int SectionsPerFilter = 3;
constexpr int HighestFittingOrder = 2 * SectionsPerFilter;

double Narrow(Extended value) {
    return static_cast<double>(value);
}

bool IsLowPass(std::uint8_t family) {
    return family % 2 == 1;
}

/// Sections a cascade of this order fills: one per two orders, one more for an odd order.
int SectionsFor(int order) {
    return (order + 1) / 2;
}

bool FitsThreeSections(int order) {
    return order >= 1 && order <= HighestFittingOrder;
}

const char* FamilyName(std::uint8_t family) {
    switch (family) {
    case 1:
    case 2:
        return "ButtW";
    case 3:
    case 4:
        return "L-Riley";
    case 5:
    case 6:
        return "Bessel";
    default:
        return "Q";
    }
}

CrossoverDesignResult Refused(std::uint8_t family, int order) {
    return {CrossoverDesignOutcome::OrderRefused, 0.0,
            std::string(FamilyName(family)) + " order " + std::to_string(order) +
                " is not available: use order 2 or 4"};
}

/// The Q with which the code-10 or code-11 design gives this section: what the crossover
/// editor shows for a pole-angle design.
double QOfCoefficients(const TSOS& s, bool lowPass) {
    if (lowPass) {
        const double beta = Narrow(std::sqrt(s.a1 / (2 * s.b0) + 1));
        return Narrow(beta / (1 / s.b0 - 1 - Extended{beta} * beta));
    }
    const double h = Narrow(2 * s.b0);
    const double beta = Narrow(std::sqrt(h / (h - s.a1)));
    return Narrow(1 / (2 * Extended{beta} / h - (Extended{beta} * beta + 1) / beta));
}

void MarkButterworthSection(TSOS& s, double frequency, bool lowPass, bool firstOrder) {
    s.Frequency = frequency;
    if (firstOrder) {
        s.FilterType = lowPass ? 12 : 13;
    } else {
        s.FilterType = lowPass ? 10 : 11;
    }
    s.Q = QOfCoefficients(s, lowPass);
}

/// Butterworth by pole angles: a first-order section first for an odd order, then one
/// section per conjugate pole pair. `into` must hold SectionsFor(order) sections.
void DesignButterworth(std::span<TSOS> into, int order, bool lowPass, double frequency) {
    const double omega = SectionAngle(frequency);
    const Extended halfTan = std::tan(Extended{omega} / 2);
    const double g = Narrow(lowPass ? halfTan : 1 / halfTan);
    const int d = lowPass ? 1 : -1;
    std::size_t next = 0;
    if (order % 2 != 0) {
        TSOS& s = into[next++];
        s.b0 = g / (Extended{g} + 1);
        s.b1 = d * s.b0;
        s.b2 = 0.0L;
        s.a1 = -d * (Extended{g} - 1) / (Extended{g} + 1);
        s.a2 = 0.0L;
        MarkButterworthSection(s, frequency, lowPass, true);
    }
    for (int u = 1; u <= order / 2; ++u) {
        const double theta =
            Narrow((order + 2 * u - 1) * std::numbers::pi_v<Extended> / (2 * order));
        const double C = Narrow(std::cos(Extended{theta}));
        const double E = Narrow(1 - 2 * Extended{g} * C + Extended{g} * g);
        const double G = Narrow(Extended{g} * g / E);
        TSOS& s = into[next++];
        s.b0 = G;
        s.b1 = 2 * Extended{G} * d;
        s.b2 = G;
        s.a1 = -2 * (Extended{g} * g - 1) / E * d;
        s.a2 = -(2 * Extended{g} * C + 1 + Extended{g} * g) / E;
        MarkButterworthSection(s, frequency, lowPass, false);
    }
}

void DesignFirstOrder(TSOS& s, bool lowPass) {
    if (lowPass) {
        s.DesignFirstOrderLowPass();
    } else {
        s.DesignFirstOrderHighPass();
    }
}

void DesignSecondOrder(TSOS& s, bool lowPass) {
    if (lowPass) {
        s.DesignLowPassQ();
    } else {
        s.DesignHighPassQ();
    }
}

std::string BesselLimitMessage(double maximum, int order) {
    return "Maximum Bessel Cutoff = " + std::to_string(RoundHalfEven(maximum)) +
           " for LowPass of order " + std::to_string(order);
}

/// Bessel from the prototype tables, each section scaled in place from the frequency the
/// caller put on it.
void DesignBessel(std::span<TSOS> into, int order, bool lowPass) {
    std::span<const BesselFactor> factors = BesselFactors(order);
    std::size_t next = 0;
    if (order % 2 != 0) {
        TSOS& s = into[next++];
        const Extended factor = BesselFirstOrderFactor(order);
        s.Frequency = Narrow(lowPass ? s.Frequency * factor : s.Frequency / factor);
        DesignFirstOrder(s, lowPass);
        factors = factors.subspan(1);
    }
    for (const BesselFactor& factor : factors) {
        TSOS& s = into[next++];
        const Extended root = std::sqrt(Extended{factor.b});
        s.Frequency = Narrow(lowPass ? s.Frequency / root : s.Frequency * root);
        s.Q = Narrow(root / factor.a);
        DesignSecondOrder(s, lowPass);
    }
}

/// Each section keeps the Frequency and Q it already has (stored configurations only).
void DesignPerSectionQ(std::span<TSOS> into, int order, bool lowPass) {
    std::size_t next = 0;
    if (order % 2 != 0) {
        DesignFirstOrder(into[next++], lowPass);
    }
    for (int u = 1; u <= order / 2; ++u) {
        DesignSecondOrder(into[next++], lowPass);
    }
}

} // namespace

TXOVERPB::TXOVERPB() : CrossoverSection{1000.0, 4, 0} {}

CrossoverDesignResult TXOVERPB::DesignCrossover() {
    for (TSOS& s : Sections) {
        s.Reset();
    }
    SectionCount = 1;
    const bool lowPass = IsLowPass(Family);
    const std::span<TSOS> all(Sections);
    switch (Family) {
    case 1:
    case 2:
        if (!FitsThreeSections(Order)) {
            return Refused(Family, Order);
        }
        SectionCount = SectionsFor(Order);
        DesignButterworth(all, Order, lowPass, Frequency);
        return {};
    case 3:
    case 4: {
        // Two identical Butterworth cascades in series; an odd order is raised to the next
        // even one. Orders 6 and 8 would need four sections.
        const int order = Order % 2 != 0 ? Order + 1 : Order;
        if (order != 2 && order != 4) {
            return Refused(Family, Order);
        }
        Order = order;
        SectionCount = 2;
        DesignButterworth(all.first(1), order / 2, lowPass, Frequency);
        DesignButterworth(all.subspan(1, 1), order / 2, lowPass, Frequency);
        return {};
    }
    case 5:
    case 6: {
        if (!FitsThreeSections(Order)) {
            return Refused(Family, Order);
        }
        SectionCount = SectionsFor(Order);
        const double maximum = MaximumBesselLowPass(Order);
        if (lowPass && Sections[0].Frequency > maximum) {
            for (TSOS& s : Sections) {
                s.Frequency = maximum;
            }
            Frequency = maximum;
            return {CrossoverDesignOutcome::BesselLimited, maximum,
                    BesselLimitMessage(maximum, Order)};
        }
        DesignBessel(all, Order, lowPass);
        return {};
    }
    case 7:
    case 8:
        if (!FitsThreeSections(Order)) {
            return Refused(Family, Order);
        }
        SectionCount = SectionsFor(Order);
        DesignPerSectionQ(all, Order, lowPass);
        return {};
    default:
        return {};
    }
}

} // namespace quorvex
