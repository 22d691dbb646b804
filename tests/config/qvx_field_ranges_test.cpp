#include "config/qvx_decoder.h"
#include "config/qvx_encoder.h"

#include "qvx_sample_configuration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

// A damaged or hostile file, one number at a time: whatever a field holds, Open passes on
// only what the field's editor could have produced. Offsets are worked out by hand from the
// record layout (dynamics records at 1724 + 64 per block, crossovers at 1544 + 28 per output,
// bands of outputs 1..4 at 532 and of the subs at 1316, 28 bytes each).

namespace quorvex {
namespace {

constexpr double NoRange = std::numeric_limits<double>::quiet_NaN();

enum class Width { Single, Double };

struct RealField {
    const char* Name;
    std::size_t Offset;
    Width Stored;
    double (*Read)(const Configuration& config);
    double Lowest; ///< NoRange: the editor sets no limits, only non-finite values are refused
    double Highest;
};

struct IntegerField {
    const char* Name;
    std::size_t Offset;
    double (*Read)(const Configuration& config);
    double Lowest;
    double Highest;
};

double Attack(double dbPerSecond) {
    return 1.0 - std::pow(10.0, -dbPerSecond / (10.0 * 48000.0));
}

const std::vector<RealField>& RealFields() {
    static const std::vector<RealField> fields{
        {"threshold of block 1", 1724, Width::Single,
         [](const Configuration& c) { return double{c.Block(1).ThresholdDb}; }, -53.1, -0.6},
        {"threshold of block 3", 1852, Width::Single,
         [](const Configuration& c) { return double{c.Block(3).ThresholdDb}; }, -56.1, -3.6},
        {"ratio of block 2", 1788 + 4, Width::Single,
         [](const Configuration& c) { return double{c.Block(2).Ratio}; }, 0.0, 10.0},
        {"makeup gain of block 1", 1724 + 8, Width::Single,
         [](const Configuration& c) { return double{c.Block(1).MakeupGainDb}; }, NoRange, NoRange},
        {"RMS coefficient of block 1", 1724 + 12, Width::Single,
         [](const Configuration& c) { return static_cast<double>(c.Block(1).RmsCoefficient); },
         Attack(5.0), Attack(250.0)},
        {"knee of block 2", 1788 + 32, Width::Single,
         [](const Configuration& c) { return double{c.Block(2).KneeDb}; }, -0.5, 10.0},
        {"XdBmax of block 3", 1852 + 40, Width::Single,
         [](const Configuration& c) { return double{c.Block(3).XdBmaxLimit}; }, NoRange, NoRange},
        {"amplifier gain of block 1", 1724 + 44, Width::Single,
         [](const Configuration& c) { return double{c.Block(1).AmpGain}; }, 5.0, 200.0},
        {"load of block 2", 1788 + 48, Width::Single,
         [](const Configuration& c) { return double{c.Block(2).LoadImpedance}; }, 2.0, 16.0},
        {"speaker power of block 3", 1852 + 52, Width::Single,
         [](const Configuration& c) { return double{c.Block(3).SpeakerMaxPower}; }, 5.0, 4000.0},
        {"amplifier power of block 1", 1724 + 56, Width::Single,
         [](const Configuration& c) { return double{c.Block(1).AmpMaxPower}; }, 50.0, 4000.0},
        {"import reference level", 2636, Width::Single,
         [](const Configuration& c) { return double{c.ImportReferenceLevel}; }, -140.0, 140.0},
        {"lower edge of output 2", 1544 + 28, Width::Single,
         [](const Configuration& c) { return c.Output(2).Crossover.HighPass.Frequency; }, 20.0,
         20000.0},
        {"upper edge of output 6", 1544 + 140 + 4, Width::Single,
         [](const Configuration& c) { return c.Output(6).Crossover.LowPass.Frequency; }, 20.0,
         20000.0},
        {"gain of output 1 band 1", 532, Width::Double,
         [](const Configuration& c) { return c.Output(1).Band(1).Gain; }, -15.0, 12.0},
        {"frequency of output 3 band 7", 532 + 20 * 28 + 8, Width::Double,
         [](const Configuration& c) { return c.Output(3).Band(7).Frequency; }, 10.0, 20000.0},
        {"frequency of output 5 band 2", 1316 + 28 + 8, Width::Double,
         [](const Configuration& c) { return c.Output(5).Band(2).Frequency; }, 10.0, 20000.0},
        {"Q of output 6 band 3", 1316 + 5 * 28 + 16, Width::Double,
         [](const Configuration& c) { return c.Output(6).Band(3).Q; }, 0.5, 20.0},
        {"gain factor of output 4", 1484 + 24, Width::Double,
         [](const Configuration& c) { return c.Output(4).Level.GainFactor; }, NoRange, NoRange},
    };
    return fields;
}

const std::vector<IntegerField>& IntegerFields() {
    static const std::vector<IntegerField> fields{
        {"delay of output 6", 484 + 20,
         [](const Configuration& c) { return double(c.Output(6).Delay.DelaySamples); }, 0, 234},
        {"relative distance of output 1", 2640,
         [](const Configuration& c) { return double(c.Output(1).Delay.RelativeDistanceSamples); },
         0, 244},
        {"hold of block 1", 1724 + 16,
         [](const Configuration& c) { return double(c.Block(1).HoldSamples); }, 0, 3840},
        {"release steps of block 2", 1788 + 20,
         [](const Configuration& c) { return double(c.Block(2).DecaySteps); }, 7, 584},
        {"look-ahead of block 3", 1852 + 24,
         [](const Configuration& c) { return double(c.Block(3).LookAheadSamples); }, 0, 96},
        {"speaker count of block 1", 1724 + 60,
         [](const Configuration& c) { return double(c.Block(1).SpeakerCountIndex); }, 0, 3},
        {"upper edge order of output 1", 1544 + 8,
         [](const Configuration& c) { return double(c.Output(1).Crossover.LowPass.Order); }, 2, 4},
        {"lower edge order of output 3", 1544 + 56 + 12,
         [](const Configuration& c) { return double(c.Output(3).Crossover.HighPass.Order); }, 2, 4},
        {"gate position of block 2", 2664 + 4,
         [](const Configuration& c) { return double{c.Block(2).NoiseGatePosition}; }, 1, 33},
        {"gate slope of block 3", 2676 + 8,
         [](const Configuration& c) { return double{c.Block(3).NoiseGateSlope}; }, 1, 10},
    };
    return fields;
}

QvxRecord ResetRecord() {
    return EncodeConfigurationRecord(test::ResetConfiguration(), "");
}

void PutReal(QvxRecord& record, const RealField& field, double value) {
    if (field.Stored == Width::Single) {
        const auto single = static_cast<float>(value);
        std::memcpy(record.data() + field.Offset, &single, sizeof single);
    } else {
        std::memcpy(record.data() + field.Offset, &value, sizeof value);
    }
}

void PutInteger(QvxRecord& record, std::size_t offset, std::int32_t value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

Configuration Loaded(const QvxRecord& record) {
    Configuration config = test::ResetConfiguration();
    EXPECT_EQ(LoadConfigurationRecord(record, config), QvxRecordKind::Current);
    return config;
}

TEST(QvxFieldRanges, ANonFiniteNumberLeavesItsFieldAtTheNewConfigurationDefault) {
    const QvxRecord reset = ResetRecord();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const RealField& field : RealFields()) {
        for (const double bad : {std::numeric_limits<double>::quiet_NaN(), infinity, -infinity}) {
            QvxRecord record = reset;
            PutReal(record, field, bad);
            // Saving what was read gives the reset record again: this field is at its
            // default and no other field moved.
            EXPECT_EQ(EncodeConfigurationRecord(Loaded(record), ""), reset)
                << field.Name << " holding " << bad;
        }
    }
}

TEST(QvxFieldRanges, AFiniteNumberOutsideItsEditorsRangeComesToTheNearerEnd) {
    for (const RealField& field : RealFields()) {
        if (std::isnan(field.Lowest)) {
            continue;
        }
        const double huge = field.Stored == Width::Single ? 1e30 : 1e300;
        QvxRecord record = ResetRecord();
        PutReal(record, field, huge);
        // Within single precision of the end: the ends are worked out in floats.
        EXPECT_NEAR(field.Read(Loaded(record)), field.Highest,
                    1e-6 * (1.0 + std::abs(field.Highest)))
            << field.Name;
        PutReal(record, field, -huge);
        EXPECT_NEAR(field.Read(Loaded(record)), field.Lowest, 1e-6 * (1.0 + std::abs(field.Lowest)))
            << field.Name;
    }
}

TEST(QvxFieldRanges, ANumberWithoutARangeIsTakenAsStoredWhenFinite) {
    for (const RealField& field : RealFields()) {
        if (!std::isnan(field.Lowest)) {
            continue;
        }
        QvxRecord record = ResetRecord();
        PutReal(record, field, -1234.5);
        EXPECT_EQ(field.Read(Loaded(record)), -1234.5) << field.Name;
    }
}

TEST(QvxFieldRanges, AnIntegerAtEitherExtremeComesToTheNearerEndOfItsRange) {
    for (const IntegerField& field : IntegerFields()) {
        QvxRecord record = ResetRecord();
        PutInteger(record, field.Offset, std::numeric_limits<std::int32_t>::min());
        EXPECT_EQ(field.Read(Loaded(record)), field.Lowest) << field.Name;
        PutInteger(record, field.Offset, std::numeric_limits<std::int32_t>::max());
        EXPECT_EQ(field.Read(Loaded(record)), field.Highest) << field.Name;
    }
}

TEST(QvxFieldRanges, ValuesAtTheEndsOfTheirRangesAreKeptExactly) {
    QvxRecord record = ResetRecord();
    PutInteger(record, 484 + 20, 234); // delay of output 6
    PutInteger(record, 2640, 244);     // relative distance of output 1
    PutInteger(record, 1788 + 20, 7);  // release steps of block 2
    PutInteger(record, 2664 + 4, 33);  // gate position of block 2
    const float lowestLoad = 2.0F;
    std::memcpy(record.data() + 1788 + 48, &lowestLoad, sizeof lowestLoad);
    const Configuration config = Loaded(record);
    EXPECT_EQ(config.Output(6).Delay.DelaySamples, 234);
    EXPECT_EQ(config.Output(1).Delay.RelativeDistanceSamples, 244);
    EXPECT_EQ(config.Block(2).DecaySteps, 7);
    EXPECT_EQ(config.Block(2).NoiseGatePosition, 33.0F);
    EXPECT_EQ(config.Block(2).LoadImpedance, 2.0F);
}

} // namespace
} // namespace quorvex
