#include "engine/tsos.h"

#include "config/dimensions.h"

#include <cmath>
#include <numbers>

namespace quorvex {

namespace {

// Coefficients are kept in the 80-bit extended type; every named intermediate is narrowed
// to double, so the coefficients match the processor's reference designs bit for bit before
// they are quantised.
using Extended = long double;

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended SampleRate = ProcessorSampleRate;

double Narrow(Extended value) {
    return static_cast<double>(value);
}

/// The quantities every design starts from.
struct DesignQuantities {
    double omega; ///< 2 pi f / fs
    double s;     ///< sin omega
    double c;     ///< cos omega
    double t;     ///< tan(omega / 2)
    double K;     ///< 1 / tan(pi f / fs), the bilinear-transform constant
    double G;     ///< linear gain
    double A;     ///< sqrt(G)
    double alpha; ///< s / (2 Q)
};

DesignQuantities QuantitiesOf(const TSOS& section) {
    DesignQuantities q{};
    q.omega = SectionAngle(section.Frequency);
    q.s = Narrow(std::sin(Extended{q.omega}));
    q.c = Narrow(std::cos(Extended{q.omega}));
    q.t = Narrow(std::tan(Extended{q.omega} / 2));
    q.K = Narrow(1 / std::tan(Pi * section.Frequency / SampleRate));
    q.G = Narrow(std::pow(Extended{10}, section.Gain / Extended{20}));
    q.A = Narrow(std::pow(Extended{10}, section.Gain / Extended{40}));
    q.alpha = Narrow(q.s / (2 * Extended{section.Q}));
    return q;
}

// The processor's coefficient words hold less than +-2; the two thresholds differ from each
// other and from the replacement on purpose and are kept exactly.
Extended Clamped(Extended value) {
    if (value > 1.9999999999L) {
        return 1.99999999999L;
    }
    if (value < -1.999999999L) {
        return -1.99999999999L;
    }
    return value;
}

/// Gain of a first-order shelf at its corner frequency: half the boost in dB, limited to 3 dB.
double ShelfMidGain(double G) {
    const Extended root2 = std::sqrt(Extended{2});
    if (G > root2) {
        return Narrow(G / root2);
    }
    if (G < 1 / root2) {
        return Narrow(root2 * G);
    }
    return Narrow(std::sqrt(Extended{G}));
}

/// sqrt((Gm^2 - 1) / (G^2 - Gm^2)): how far the shelf's corner sits from its half-gain point.
Extended ShelfWarp(double G) {
    const Extended Gm = ShelfMidGain(G);
    return std::sqrt((Gm * Gm - 1) / (Extended{G} * G - Gm * Gm));
}

/// max(Q, 2 f / fs): keeps tan(omega / 2Q) below its pole for the band pass and the notch.
double BandQ(const TSOS& section) {
    const double minimum = Narrow(2 * Extended{section.Frequency} / SampleRate);
    return section.Q < minimum ? minimum : section.Q;
}

/// 1 / (tan(omega / Qe / 2) + 1), shared by the band pass and the notch.
double BandPole(const TSOS& section, double omega) {
    return Narrow(1 / (std::tan(Extended{omega} / BandQ(section) / 2) + 1));
}

/// sqrt(u) of the sloped shelves, with u kept from going below 0.1.
double ShelfSlopeBeta(double A, double slope) {
    const double u = Narrow((Extended{A} * A + 1) / slope - (Extended{A} - 1) * (A - 1));
    return u < 0.1 ? 0.1 : Narrow(std::sqrt(Extended{u}));
}

/// (1 - t) / (1 + t), the pole of both first-order crossover stages.
double FirstOrderPole(const TSOS& section) {
    const double t = QuantitiesOf(section).t;
    return Narrow((1 - Extended{t}) / (1 + Extended{t}));
}

} // namespace

double SectionAngle(double frequencyHz) {
    return Narrow(2 * Pi * frequencyHz / SampleRate);
}

void TSOS::Reset() {
    b0 = 1.0L;
    b1 = 0.0L;
    b2 = 0.0L;
    a1 = 0.0L;
    a2 = 0.0L;
}

void TSOS::Design() {
    switch (FilterType) {
    case 0:
        Reset();
        break;
    case 1:
        DesignParametric();
        break;
    case 2:
        DesignLowShelf();
        break;
    case 3:
        DesignHighShelf();
        break;
    case 4:
        DesignLowPassButterworth();
        break;
    case 5:
        DesignHighPassButterworth();
        break;
    case 6:
        DesignBandPass();
        break;
    case 7:
        DesignStopBand();
        break;
    case 8:
        DesignAllPass1();
        break;
    case 9:
        DesignAllPass2();
        break;
    case 10:
        DesignLowPassQ();
        break;
    case 11:
        DesignHighPassQ();
        break;
    case 15:
        DesignLowShelfSlope();
        break;
    case 16:
        DesignHighShelfSlope();
        break;
    default:
        // First-order crossover stages (12, 13) are designed by the crossover itself.
        break;
    }
}

// RBJ audio-EQ cookbook peaking filter.
void TSOS::DesignParametric() {
    const DesignQuantities q = QuantitiesOf(*this);
    const Extended alpha = q.alpha;
    const double d = Narrow(alpha / q.A + 1);
    b0 = (alpha * q.A + 1) / d;
    b1 = -2 * Extended{q.c} / d;
    b2 = (1 - alpha * q.A) / d;
    a1 = 2 * Extended{q.c} / d;
    a2 = -(1 - alpha / q.A) / d;
    b0 = Clamped(b0);
    b1 = Clamped(b1);
    FilterType = 1;
}

void TSOS::DesignLowShelf() {
    if (Gain == 0.0) {
        Reset();
        return;
    }
    const DesignQuantities q = QuantitiesOf(*this);
    const double k = Narrow(q.t * ShelfWarp(q.G));
    const double p = Narrow(1 / (1 + Extended{k}));
    b0 = (Extended{q.G} * k + 1) * p;
    b1 = -(1 - Extended{q.G} * k) * p;
    b2 = 0.0L;
    a1 = 2 * Extended{p} - 1;
    a2 = 0.0L;
    b0 = Clamped(b0);
    b1 = Clamped(b1);
    FilterType = 2;
}

void TSOS::DesignHighShelf() {
    if (Gain == 0.0) {
        Reset();
        return;
    }
    const DesignQuantities q = QuantitiesOf(*this);
    const double k = Narrow(ShelfWarp(q.G) / q.t);
    const double p = Narrow(1 / (1 + Extended{k}));
    b0 = (Extended{q.G} * k + 1) * p;
    b1 = (1 - Extended{q.G} * k) * p;
    b2 = 0.0L;
    a1 = -(2 * Extended{p} - 1);
    a2 = 0.0L;
    b0 = Clamped(b0);
    b1 = Clamped(b1);
    FilterType = 3;
}

void TSOS::DesignLowPassButterworth() {
    const DesignQuantities q = QuantitiesOf(*this);
    const Extended root2 = std::sqrt(Extended{2});
    const double D = Narrow(root2 * q.s + 2);
    const double d = Narrow((1 - Extended{q.c}) / D);
    b0 = d;
    b1 = 2 * Extended{d};
    b2 = d;
    a1 = 4 * Extended{q.c} / D;
    a2 = -(2 - root2 * q.s) / D;
    Gain = 0.0;
    FilterType = 4;
}

void TSOS::DesignHighPassButterworth() {
    const DesignQuantities q = QuantitiesOf(*this);
    const Extended root2 = std::sqrt(Extended{2});
    const double D = Narrow(root2 * q.s + 2);
    const double d = Narrow((Extended{q.c} + 1) / D);
    b0 = d;
    b1 = -2 * Extended{d};
    b2 = d;
    a1 = 4 * Extended{q.c} / D;
    a2 = -(2 - root2 * q.s) / D;
    Gain = 0.0;
    FilterType = 5;
}

void TSOS::DesignBandPass() {
    const DesignQuantities q = QuantitiesOf(*this);
    const double p = BandPole(*this, q.omega);
    const double e = Narrow(1 - Extended{p});
    b0 = Extended{e} * q.G;
    b1 = 0.0L;
    b2 = -Extended{e} * q.G;
    a1 = 2 * Extended{p} * q.c;
    a2 = -(2 * Extended{p} - 1);
    FilterType = 6;
}

void TSOS::DesignStopBand() {
    const DesignQuantities q = QuantitiesOf(*this);
    const double p = BandPole(*this, q.omega);
    b0 = p;
    b1 = -2 * Extended{q.c} * p;
    b2 = p;
    a1 = 2 * Extended{p} * q.c;
    a2 = -(2 * Extended{p} - 1);
    FilterType = 7;
}

// Bilinear transform of (1 - s) / (1 + s).
void TSOS::DesignAllPass1() {
    const DesignQuantities q = QuantitiesOf(*this);
    const double D = Narrow(Extended{q.K} + 1);
    b0 = (1 - Extended{q.K}) / D;
    b1 = (1 + Extended{q.K}) / D;
    b2 = 0.0L;
    a1 = -(1 - Extended{q.K}) / D;
    a2 = 0.0L;
    FilterType = 8;
}

// Bilinear transform of (s^2 - s/Q + 1) / (s^2 + s/Q + 1).
void TSOS::DesignAllPass2() {
    const DesignQuantities q = QuantitiesOf(*this);
    const Extended K = q.K;
    const double D = Narrow(1 + K / Q + K * K);
    b0 = (1 - K / Q + K * K) / D;
    b1 = 2 * (1 - K * K) / D;
    b2 = (1 + K / Q + K * K) / D;
    a1 = -2 * (1 - K * K) / D;
    a2 = -((1 - K / Q) + K * K) / D;
    FilterType = 9;
}

void TSOS::DesignLowPassQ() {
    const DesignQuantities q = QuantitiesOf(*this);
    const double D = Narrow(2 * (Extended{q.alpha} + 1));
    const double d = Narrow((1 - Extended{q.c}) / D);
    b0 = d;
    b1 = 2 * Extended{d};
    b2 = d;
    a1 = 4 * Extended{q.c} / D;
    a2 = -2 * (1 - Extended{q.alpha}) / D;
    Gain = 0.0;
    FilterType = 10;
}

void TSOS::DesignHighPassQ() {
    const DesignQuantities q = QuantitiesOf(*this);
    const double D = Narrow(2 * (Extended{q.alpha} + 1));
    const double d = Narrow((Extended{q.c} + 1) / D);
    b0 = d;
    b1 = -2 * Extended{d};
    b2 = d;
    a1 = 4 * Extended{q.c} / D;
    a2 = -2 * (1 - Extended{q.alpha}) / D;
    FilterType = 11;
}

void TSOS::DesignFirstOrderLowPass() {
    const double r = FirstOrderPole(*this);
    b0 = (1 - Extended{r}) / 2;
    b1 = (1 - Extended{r}) / 2;
    b2 = 0.0L;
    a1 = r;
    a2 = 0.0L;
    Gain = 0.0;
    FilterType = 12;
}

void TSOS::DesignFirstOrderHighPass() {
    const double r = FirstOrderPole(*this);
    b0 = (1 + Extended{r}) / 2;
    b1 = -(1 + Extended{r}) / 2;
    b2 = 0.0L;
    a1 = r;
    a2 = 0.0L;
    Gain = 0.0;
    FilterType = 12;
}

// RBJ audio-EQ cookbook shelves with the slope S in Q.
void TSOS::DesignLowShelfSlope() {
    const DesignQuantities q = QuantitiesOf(*this);
    const Extended A = q.A;
    const double E = Narrow(ShelfSlopeBeta(q.A, Q) * Extended{q.s});
    const double N = Narrow((A + 1) + (A - 1) * q.c + E);
    b0 = A * ((A + 1) - (A - 1) * q.c + E) / N;
    b1 = 2 * A * ((A - 1) - (A + 1) * q.c) / N;
    b2 = A * ((A + 1) - (A - 1) * q.c - E) / N;
    a1 = 2 * ((A - 1) + (A + 1) * q.c) / N;
    a2 = -((A + 1) + (A - 1) * q.c - E) / N;
}

void TSOS::DesignHighShelfSlope() {
    const DesignQuantities q = QuantitiesOf(*this);
    const Extended A = q.A;
    const double E = Narrow(ShelfSlopeBeta(q.A, Q) * Extended{q.s});
    const double N = Narrow((A + 1) - (A - 1) * q.c + E);
    b0 = A * ((A + 1) + (A - 1) * q.c + E) / N;
    b1 = -2 * A * ((A - 1) + (A + 1) * q.c) / N;
    b2 = A * ((A + 1) + (A - 1) * q.c - E) / N;
    a1 = -2 * ((A - 1) - (A + 1) * q.c) / N;
    a2 = -((A + 1) - (A - 1) * q.c - E) / N;
}

float TSOS::Coefficient(int k) const {
    switch (k) {
    case 0:
        return static_cast<float>(b0);
    case 1:
        return static_cast<float>(b1);
    case 2:
        return static_cast<float>(b2);
    case 3:
        return static_cast<float>(a1);
    case 4:
        return static_cast<float>(a2);
    default:
        return 0.0F;
    }
}

} // namespace quorvex
