#include "ui/graph_view_keys.h"

#include "ui/led_button.h"
#include "ui/rounded_button.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace quorvex {
namespace {

class GraphViewKeys : public ::testing::Test {
protected:
    QWidget row;
    QHBoxLayout* line = new QHBoxLayout(&row);
};

TEST_F(GraphViewKeys, ModeKeysRunTheirOwnHandlerAndLightTheModeShown) {
    int magnitudeClicks = 0;
    int phaseClicks = 0;
    const GraphModeKeys keys = AddGraphModeKeys(
        &row, line, "Magn", "Phas", [&] { ++magnitudeClicks; }, [&] { ++phaseClicks; });
    row.show();
    ASSERT_EQ(row.findChild<RoundedButton*>("Magn"), keys.Magnitude);
    ASSERT_EQ(row.findChild<RoundedButton*>("Phas"), keys.Phase);
    EXPECT_EQ(keys.Magnitude->text(), "Mag");
    EXPECT_EQ(keys.Phase->text(), "Phase");
    // In the row's order: Mag first.
    EXPECT_EQ(line->indexOf(keys.Magnitude), 0);
    EXPECT_EQ(line->indexOf(keys.Phase), 1);

    QTest::mouseClick(keys.Phase, Qt::LeftButton);
    EXPECT_EQ(phaseClicks, 1);
    EXPECT_EQ(magnitudeClicks, 0);
    QTest::mouseClick(keys.Magnitude, Qt::LeftButton);
    EXPECT_EQ(magnitudeClicks, 1);

    keys.Show(false);
    EXPECT_FALSE(keys.Magnitude->IsLit());
    EXPECT_TRUE(keys.Phase->IsLit());
    keys.Show(true);
    EXPECT_TRUE(keys.Magnitude->IsLit());
    EXPECT_FALSE(keys.Phase->IsLit());
}

TEST_F(GraphViewKeys, CurveLampsAreNumberedFromOneAndCaptionedByTheirPattern) {
    std::array<LedButton*, 3> lamps{};
    std::vector<int> clicked;
    AddCurveLamps(&row, line, QStringLiteral("Ver%1Check"), QStringLiteral("PEQ%1"), lamps,
                  [&](int curve) { clicked.push_back(curve); });
    row.show();
    for (std::size_t index = 0; index < lamps.size(); ++index) {
        const int number = static_cast<int>(index) + 1;
        ASSERT_NE(lamps[index], nullptr);
        EXPECT_EQ(lamps[index]->objectName(), QStringLiteral("Ver%1Check").arg(number));
        EXPECT_EQ(lamps[index]->text(), QStringLiteral("PEQ%1").arg(number));
        EXPECT_EQ(lamps[index]->focusPolicy(), Qt::StrongFocus);
    }
    QTest::mouseClick(lamps[2], Qt::LeftButton);
    QTest::mouseClick(lamps[0], Qt::LeftButton);
    EXPECT_EQ(clicked, (std::vector<int>{3, 1}));
}

TEST_F(GraphViewKeys, CurveLampsWithoutACaptionPatternStartBlank) {
    std::array<LedButton*, 2> lamps{};
    AddCurveLamps(&row, line, QStringLiteral("Via%1"), QString(), lamps, [](int) {});
    EXPECT_TRUE(lamps[0]->text().isEmpty());
    EXPECT_TRUE(lamps[1]->text().isEmpty());
    EXPECT_EQ(lamps[1]->objectName(), "Via2");
}

TEST_F(GraphViewKeys, ThePointerReadoutHasRoomForTheLongestReading) {
    QLabel* readout = AddPointerReadout(&row, line);
    EXPECT_EQ(readout->objectName(), "InfoLabel");
    EXPECT_GE(readout->minimumWidth(),
              readout->fontMetrics().horizontalAdvance(QStringLiteral("20000 Hz , -180.00º")));
    EXPECT_EQ(line->indexOf(readout), 0);
}

} // namespace
} // namespace quorvex
