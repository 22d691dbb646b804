#include "config/configuration.h"
#include "config/new_configuration.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "image/coefficient_word.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using ByteList = std::vector<std::uint8_t>;

struct Designed {
    Configuration Config;
    EngineObjects Objects;
};

Designed DefaultDesign() {
    Designed designed;
    NewConfiguration(designed.Config);
    DesignAll(designed.Config, designed.Objects);
    return designed;
}

ByteList Bytes(const CoefficientImage& image, int offset, int count) {
    return {image.begin() + offset, image.begin() + offset + count};
}

// Word `address` of DSP 1 or 2.
ByteList Word(const CoefficientImage& image, int dsp, int address) {
    return Bytes(image, (dsp == 1 ? 100 : 874) + 3 * address, 3);
}

double WordValue(const CoefficientImage& image, int dsp, int address) {
    const ByteList word = Word(image, dsp, address);
    return CoefficientWordValue({word[0], word[1], word[2]});
}

std::string Text(const CoefficientImage& image, int offset, int count) {
    return {image.begin() + offset, image.begin() + offset + count};
}

const ByteList One{0x10, 0x00, 0x00};
const ByteList Half{0x08, 0x00, 0x00};
const ByteList Zero{0x00, 0x00, 0x00};

TEST(CoefficientImage, HeaderNamesFillAndLength) {
    const Designed designed = DefaultDesign();
    const CoefficientImage image = BuildCoefficientImage(designed.Config, designed.Objects);
    EXPECT_EQ(Bytes(image, 0, 12), (ByteList{0x07, 0xFC, 0xCB, 0x00, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(Text(image, 12, 40), "NoName" + std::string(34, ' '));
    EXPECT_EQ(Text(image, 52, 48), "In1   In2   Out1  Out2  Out3  Out4  SUB1  SUB2  ");
    EXPECT_EQ(Bytes(image, 2038, 8), (ByteList{0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x00}));
    EXPECT_EQ(TransferLength(image), 2046);
    // The settings block sits at 1648: temperature of the first half, gates at its end.
    EXPECT_EQ(image[1648 + 147], 25);
    EXPECT_EQ(Bytes(image, 1648 + 384, 6), (ByteList{13, 13, 1, 4, 4, 4}));
}

TEST(CoefficientImage, DefaultRoutesDelaysSubFeedAndGains) {
    const Designed designed = DefaultDesign();
    const CoefficientImage image = BuildCoefficientImage(designed.Config, designed.Objects);
    for (int dsp = 1; dsp <= 2; ++dsp) {
        // a from A, b from B, the sub from half of each.
        EXPECT_EQ(Word(image, dsp, 0), One);
        EXPECT_EQ(Word(image, dsp, 1), Zero);
        EXPECT_EQ(Word(image, dsp, 2), Zero);
        EXPECT_EQ(Word(image, dsp, 3), One);
        EXPECT_EQ(Word(image, dsp, 4), Half);
        EXPECT_EQ(Word(image, dsp, 5), Half);
        for (int address = 141; address <= 143; ++address) {
            EXPECT_EQ(Word(image, dsp, address), (ByteList{0x00, 0x00, 0x01})) << address;
        }
        EXPECT_EQ(Word(image, dsp, 144), One);
        EXPECT_EQ(Word(image, dsp, 145), Zero);
        EXPECT_EQ(Word(image, dsp, 146), Zero);
        EXPECT_EQ(Word(image, dsp, 147), One);
        EXPECT_EQ(Word(image, dsp, 222), (ByteList{0x00, 0x00, 0x12}));
        for (int address = 223; address <= 254; ++address) {
            EXPECT_EQ(Word(image, dsp, address), Zero) << address;
        }
        for (int address = 255; address <= 257; ++address) {
            EXPECT_EQ(Word(image, dsp, address), One) << address;
        }
    }
}

TEST(CoefficientImage, BypassBandsAndCrossoversArePassThrough) {
    const Designed designed = DefaultDesign();
    const CoefficientImage image = BuildCoefficientImage(designed.Config, designed.Objects);
    for (int dsp = 1; dsp <= 2; ++dsp) {
        // 14 bands of a and b, both crossovers of a and b, the 3 sub bands.
        for (int first = 6; first < 131; first += 5) {
            EXPECT_EQ(Word(image, dsp, first), One) << first;
            for (int k = 1; k < 5; ++k) {
                EXPECT_EQ(Word(image, dsp, first + k), Zero) << first + k;
            }
        }
    }
}

TEST(CoefficientImage, SubLowPassSendsItsSecondSectionFirst) {
    const Designed designed = DefaultDesign();
    const CoefficientImage image = BuildCoefficientImage(designed.Config, designed.Objects);
    // Butterworth order 2 at 480 Hz fills section 1 only: g = tan(pi 480 / 48000),
    // b0 = g^2 / (1 + sqrt2 g + g^2) = 0.00094469 ... worked out by hand.
    for (int dsp = 1; dsp <= 2; ++dsp) {
        EXPECT_EQ(Word(image, dsp, 131), One);
        for (int address = 132; address <= 135; ++address) {
            EXPECT_EQ(Word(image, dsp, address), Zero);
        }
        EXPECT_EQ(Word(image, dsp, 136), (ByteList{0x00, 0x03, 0xDE}));
        EXPECT_EQ(Word(image, dsp, 137), (ByteList{0x00, 0x07, 0xBD}));
        EXPECT_EQ(Word(image, dsp, 138), (ByteList{0x00, 0x03, 0xDE}));
        EXPECT_EQ(Word(image, dsp, 139), (ByteList{0x1E, 0x94, 0x43})); //  1.91120
        EXPECT_EQ(Word(image, dsp, 140), (ByteList{0x31, 0x5C, 0x43})); // -0.91498
    }
}

TEST(CoefficientImage, DynamicsBlocksOfBothDsps) {
    const Designed designed = DefaultDesign();
    const CoefficientImage image = BuildCoefficientImage(designed.Config, designed.Objects);
    for (int dsp = 1; dsp <= 2; ++dsp) {
        // Start-up OUT block: gate at 13 with slope 4, limiter at -6 dBFS.
        for (int j = 0; j <= 8; ++j) {
            EXPECT_EQ(Word(image, dsp, 148 + j), Zero) << j;
        }
        EXPECT_EQ(Word(image, dsp, 157), (ByteList{0x04, 0x00, 0x00}));
        EXPECT_EQ(Word(image, dsp, 158), Half);
        EXPECT_EQ(Word(image, dsp, 159), (ByteList{0x0C, 0x00, 0x00}));
        EXPECT_EQ(Word(image, dsp, 160), One);
        EXPECT_NEAR(WordValue(image, dsp, 148 + 29), 0.9928, 1e-4);
        EXPECT_NEAR(WordValue(image, dsp, 148 + 32), 0.5012, 1e-4);
        // 120 dB/s: 5.7548e-4 x 2^20 = 603.4; detector constant 1.008 x 2^20 = 1056964.6.
        EXPECT_EQ(Word(image, dsp, 181), (ByteList{0x00, 0x02, 0x5B}));
        EXPECT_EQ(Word(image, dsp, 182), (ByteList{0x10, 0x20, 0xC4}));
        EXPECT_EQ(Word(image, dsp, 183), (ByteList{0x00, 0x07, 0x80})); // 1920
        EXPECT_EQ(Word(image, dsp, 184), (ByteList{0x00, 0x00, 0x33})); // 51
        // The subs' block, gate off: only the -96 dBFS entry is 0.
        EXPECT_EQ(Word(image, dsp, 185), Zero);
        EXPECT_EQ(Word(image, dsp, 186), One);
        EXPECT_EQ(Word(image, dsp, 185 + 29), One);
        EXPECT_NEAR(WordValue(image, dsp, 185 + 30), 0.9373, 1e-4);
        EXPECT_NEAR(WordValue(image, dsp, 185 + 32), 0.5623, 1e-4);
        EXPECT_EQ(Word(image, dsp, 218), (ByteList{0x00, 0x02, 0x5B}));
        EXPECT_EQ(Word(image, dsp, 220), (ByteList{0x00, 0x07, 0x80}));
    }
}

TEST(CoefficientImage, OutputsLandInTheirDspAndPosition) {
    Designed designed = DefaultDesign();
    Configuration& config = designed.Config;
    config.Output(4).Delay.DelaySamples = 10;
    config.Output(6).Delay.DelaySamples = 234;
    config.Output(3).Level.GainFactor = 0.501187233627; // -6 dB
    config.Output(2).Level.GainFactor = -1.0;           // inverted
    config.Output(5).Level.MuteFactor = 0.0;            // muted
    config.SubFeed[1] = SubFeedCoefficients{0.0, 1.0, 1.0, 0.0};
    config.Block(2).HoldSamples = 3840;
    config.Output(4).Band(7) = PeqBand{1, 6.0, 1000.0, 0.7};
    config.Output(1).Crossover.HighPass = CrossoverSection{100.0, 4, 2};
    DesignAll(config, designed.Objects);
    const CoefficientImage image = BuildCoefficientImage(config, designed.Objects);

    EXPECT_EQ(Word(image, 2, 142), (ByteList{0x00, 0x00, 0x0B}));
    EXPECT_EQ(Word(image, 2, 143), (ByteList{0x00, 0x00, 0xEB}));
    EXPECT_EQ(Word(image, 1, 142), (ByteList{0x00, 0x00, 0x01}));
    EXPECT_EQ(Word(image, 2, 255), (ByteList{0x08, 0x04, 0xDC}));
    EXPECT_EQ(Word(image, 1, 256), (ByteList{0x30, 0x00, 0x00}));
    EXPECT_EQ(Word(image, 1, 257), Zero);
    EXPECT_EQ(Bytes(image, 874 + 3 * 144, 12),
              (ByteList{0, 0, 0, 0x10, 0, 0, 0x10, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Word(image, 2, 183), (ByteList{0x00, 0x0F, 0x00}));
    EXPECT_EQ(Word(image, 1, 183), (ByteList{0x00, 0x07, 0x80}));

    // Out4's band 7 is the last section of output b on DSP 2 (words 71..75); a peaking band
    // at 1000 Hz has b1 = -a1 and a gain above 1 in b0.
    EXPECT_GT(WordValue(image, 2, 71), 1.0);
    EXPECT_EQ(WordValue(image, 2, 72), -WordValue(image, 2, 74));
    EXPECT_EQ(Word(image, 1, 71), One);

    // Out1's high pass of order 4: section 2 at 86, section 1 at 91.
    const TXOVERPB& highPass = designed.Objects.Crossover(1).HighPass;
    for (int k = 0; k < 5; ++k) {
        const long double second[5] = {highPass.Sections[1].b0, highPass.Sections[1].b1,
                                       highPass.Sections[1].b2, highPass.Sections[1].a1,
                                       highPass.Sections[1].a2};
        const long double first[5] = {highPass.Sections[0].b0, highPass.Sections[0].b1,
                                      highPass.Sections[0].b2, highPass.Sections[0].a1,
                                      highPass.Sections[0].a2};
        const WordBytes atSecond = EncodeCoefficientWord(second[k]);
        const WordBytes atFirst = EncodeCoefficientWord(first[k]);
        EXPECT_EQ(Word(image, 1, 86 + k), ByteList(atSecond.begin(), atSecond.end()));
        EXPECT_EQ(Word(image, 1, 91 + k), ByteList(atFirst.begin(), atFirst.end()));
    }
    EXPECT_NE(Word(image, 1, 86), Word(image, 1, 91)); // the two sections differ
}

TEST(CoefficientImage, CoefficientsBeyondTheWordSaturate) {
    Designed designed = DefaultDesign();
    designed.Objects.Band(1, 1).b0 = 3.0L;  // would wrap to -1.0
    designed.Objects.Band(1, 1).a1 = -2.5L; // would wrap to +1.5
    designed.Objects.Band(1, 1).a2 = std::numeric_limits<long double>::quiet_NaN();
    const CoefficientImage image = BuildCoefficientImage(designed.Config, designed.Objects);
    EXPECT_EQ(Word(image, 1, 6), (ByteList{0x1F, 0xFF, 0xFF}));
    EXPECT_EQ(Word(image, 1, 9), (ByteList{0x20, 0x00, 0x00}));
    EXPECT_EQ(Word(image, 1, 10), Zero);
}

TEST(CoefficientImage, NamesArePaddedOrCutAtTheirField) {
    Designed designed = DefaultDesign();
    const std::string forty = "0123456789012345678901234567890123456789";
    designed.Config.SystemInfo.SystemName = forty;
    designed.Config.OutputNames[0] = "Main L";
    designed.Config.OutputNames[5] = "Subwoofer";
    designed.Config.InputNames[1] = "";
    CoefficientImage image = BuildCoefficientImage(designed.Config, designed.Objects);
    EXPECT_EQ(Text(image, 12, 40), forty);
    EXPECT_EQ(Text(image, 52, 48), "In1         Main LOut2  Out3  Out4  SUB1  Subwoo");

    designed.Config.SystemInfo.SystemName = forty + "overrun";
    image = BuildCoefficientImage(designed.Config, designed.Objects);
    EXPECT_EQ(Text(image, 12, 46), forty + "In1   ");

    designed.Config.SystemInfo.SystemName.clear();
    image = BuildCoefficientImage(designed.Config, designed.Objects);
    EXPECT_EQ(Text(image, 12, 40), std::string(40, ' '));
}

TEST(CoefficientImage, LastByteIsTheSameWhateverWasBuiltBefore) {
    Designed designed = DefaultDesign();
    const CoefficientImage first = BuildCoefficientImage(designed.Config, designed.Objects);
    designed.Config.Output(1).Band(1) = PeqBand{1, 12.0, 50.0, 5.0};
    DesignAll(designed.Config, designed.Objects);
    const CoefficientImage second = BuildCoefficientImage(designed.Config, designed.Objects);
    EXPECT_EQ(first[2045], 0x00);
    EXPECT_EQ(second[2045], 0x00);
    EXPECT_NE(Word(first, 1, 6), Word(second, 1, 6));
}

} // namespace
} // namespace quorvex
