#include "app/show_coeff_form.h"

#include "engine/tsos.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

TEST(CoefficientDisplay, BypassBandShowsUnityAndZeros) {
    testing::ProgramHarness h;
    TSOS band;
    band.FilterType = 0;
    band.Design();
    h.App.ShowCoeff().Update(band);
    const TShowCoeffForm& shown = h.App.ShowCoeff();
    EXPECT_EQ(shown.b0Edit, "1.000000000000000000");
    EXPECT_EQ(shown.b1Edit, "0.000000000000000000");
    EXPECT_EQ(shown.b2Edit, "0.000000000000000000");
    EXPECT_EQ(shown.a1Edit, "0.000000000000000000");
    EXPECT_EQ(shown.a2Edit, "0.000000000000000000");
    EXPECT_FALSE(shown.Visible);
}

TEST(CoefficientDisplay, FlatPeakShowsMirroredCoefficients) {
    testing::ProgramHarness h;
    TSOS band;
    band.FilterType = 1;
    band.Gain = 0.0;
    band.Frequency = 1000.0;
    band.Q = 2.0;
    band.Design();
    h.App.ShowCoeff().Update(band);
    const TShowCoeffForm& shown = h.App.ShowCoeff();
    EXPECT_NEAR(std::stod(shown.b0Edit), 1.0, 1e-15);
    // H(z) = (b0 + b1 z^-1 + b2 z^-2) / (1 - a1 z^-1 - a2 z^-2): a flat peak has b1 = -a1
    // and b2 = -a2, the denominator's sign convention shown as it is.
    ASSERT_EQ(shown.b1Edit.front(), '-');
    EXPECT_EQ(shown.b1Edit.substr(1), shown.a1Edit);
    ASSERT_EQ(shown.a2Edit.front(), '-');
    EXPECT_EQ(shown.a2Edit.substr(1), shown.b2Edit);
    EXPECT_EQ(shown.b0Edit.size(), 20U);
}

} // namespace
} // namespace quorvex
