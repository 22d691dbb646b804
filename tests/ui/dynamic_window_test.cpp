#include "desktop_fixture.h"

#include "app/dynamic_form.h"
#include "app/main_form.h"
#include "ui/rack_slider.h"
#include "ui/txy_graph.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace quorvex::testing {
namespace {

class DynamicsWindow : public GraphWindowFixture {
protected:
    void SetUp() override {
        App().Main().DynamicBtnClick(1);
        ASSERT_NO_FATAL_FAILURE(OpenGraphWindow("Dynamicform", "DynamicGraph"));
    }

    /// Whether a pixel within one of where the mapping puts (input, output) dBu is aqua.
    bool AquaAt(const QImage& image, double input, double output) const {
        const QPoint at = At(input, output);
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor colour = image.pixelColor(at.x(), at.y() + dy);
            if (colour.red() < 80 && colour.green() > 150 && colour.blue() > 150) {
                return true;
            }
        }
        return false;
    }
};

// Block 1 at start: limiter at +14.6 dBu. Below the threshold the curve keeps to the line of
// equal levels; above it the output stays at the threshold.
TEST_F(DynamicsWindow, TheTransferCurveBendsAtTheThreshold) {
    ASSERT_EQ(Here<QLineEdit>("ThresholdEdit")->text(), "14.6");
    const QImage image = graph->grab().toImage();
    EXPECT_TRUE(AquaAt(image, 19.5, 14.6));
    EXPECT_FALSE(AquaAt(image, 19.5, 19.5));
    EXPECT_TRUE(AquaAt(image, 12.0, 12.0));
    // Below the knee too: the floor point joins the knee along the line of equal levels.
    EXPECT_TRUE(AquaAt(image, 0.0, 0.0));
    EXPECT_TRUE(AquaAt(image, -30.0, -30.0));
}

TEST_F(DynamicsWindow, TheThresholdFaderShowsItsLevelInTheField) {
    auto* fader = Here<RackSlider>("ThresholdSlider");
    fader->setFocus();
    const int before = fader->value();
    QTest::keyClick(fader, Qt::Key_Up);
    ASSERT_NE(fader->value(), before);
    EXPECT_EQ(App().Dynamics().ThresholdSlider.Position(), fader->value());
    EXPECT_EQ(Here<QLineEdit>("ThresholdEdit")->text(),
              QString::number(18.0 - fader->value() / 2.0, 'f', 1));
}

TEST_F(DynamicsWindow, TheCompressorLampEnablesTheRatioAndRenamesTheThreshold) {
    EXPECT_FALSE(Here<RackSlider>("RatioSlider")->isEnabled());
    EXPECT_EQ(Here<QLabel>("ThresholdCaption")->text(), "     Limit");
    ClickHere("CompressorB");
    EXPECT_EQ(Here<QLabel>("ThresholdCaption")->text(), "Threshold");
    EXPECT_TRUE(Here<RackSlider>("RatioSlider")->isEnabled());
    EXPECT_EQ(Here<QLabel>("RatioLabel")->text(), "2: 1");
    ClickHere("DynBypassBoton");
    EXPECT_FALSE(Here<RackSlider>("RatioSlider")->isEnabled());
    EXPECT_FALSE(Here<QLineEdit>("ThresholdEdit")->isEnabled());
    EXPECT_TRUE(graph->Content().Curves.back().X.empty()); // only the straight line is left
}

TEST_F(DynamicsWindow, ShowInfoClearsAndRefillsThePowerText) {
    auto* line = Here<QLabel>("InfoLine1");
    EXPECT_TRUE(line->text().startsWith("1 - Max RMS Out Power : "));
    QTest::mouseClick(Here<QCheckBox>("ShowInfoCheck"), Qt::LeftButton);
    EXPECT_TRUE(line->text().isEmpty());
    QTest::mouseClick(Here<QCheckBox>("ShowInfoCheck"), Qt::LeftButton);
    EXPECT_FALSE(line->text().isEmpty());
    EXPECT_EQ(Here<QLabel>("WarningLine")->text(),
              "The Out Power exceeds your Box Power capacity!");
}

} // namespace
} // namespace quorvex::testing
