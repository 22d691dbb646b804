#include "config/peq_band.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(BandSliders, GainEndsAndZeroSitWhereTheEditorAndTheMemoryPutThem) {
    EXPECT_EQ(BandGainPosition(0.0), 123);
    EXPECT_EQ(BandGainPosition(MinimumBandGain), 273);
    EXPECT_EQ(BandGainPosition(MaximumBandGain), 3);
    EXPECT_EQ(BandGainPosition(-6.0), 183);
    EXPECT_NEAR(BandGainFromPosition(123), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(BandGainFromPosition(273), -15.0);
    // The slider's last position lies below the field's range; the callers limit it.
    EXPECT_NEAR(BandGainFromPosition(274), -15.1, 1e-12);
}

TEST(BandSliders, QEndsSitWhereTheEditorAndTheMemoryPutThem) {
    EXPECT_EQ(BandQPosition(MaximumBandQ), 0);
    EXPECT_EQ(BandQPosition(MinimumBandQ), 195);
    EXPECT_EQ(BandQPosition(0.707), 193);
    EXPECT_DOUBLE_EQ(BandQFromPosition(0), 20.0);
    EXPECT_DOUBLE_EQ(BandQFromPosition(195), 0.5);
    EXPECT_DOUBLE_EQ(BandQFromPosition(193), 0.7);
}

TEST(BandSliders, EveryPositionRoundTrips) {
    for (int p = 0; p <= 274; ++p) {
        EXPECT_EQ(BandGainPosition(BandGainFromPosition(p)), p);
    }
    for (int p = 0; p <= 195; ++p) {
        EXPECT_EQ(BandQPosition(BandQFromPosition(p)), p);
    }
}

} // namespace
} // namespace quorvex
