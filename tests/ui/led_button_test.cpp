#include "ui/led_button.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(LedButton, EmitsOnceForAClickAndLeavesTheLampToItsOwner) {
    LedButton lamp(QStringLiteral("MUTE"));
    lamp.show();
    QSignalSpy clicked(&lamp, &LedButton::clicked);
    QTest::mouseClick(&lamp, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(lamp.IsLit());
    lamp.SetLit(true);
    EXPECT_TRUE(lamp.IsLit());
}

TEST(LedButton, ShowsTheLampLitOrDark) {
    LedButton lamp(QStringLiteral("PEQ1"));
    lamp.resize(lamp.sizeHint());
    const QColor dark = lamp.grab().toImage().pixelColor(lamp.height() / 2, lamp.height() / 2);
    lamp.SetLit(true);
    const QColor lit = lamp.grab().toImage().pixelColor(lamp.height() / 2, lamp.height() / 2);
    EXPECT_GT(lit.lightness(), dark.lightness() + 40);
}

TEST(LedButton, KeepsTheCaptionAndFitsIt) {
    LedButton lamp(QStringLiteral("Polarity inverted"));
    EXPECT_EQ(lamp.text(), QStringLiteral("Polarity inverted"));
    EXPECT_GT(lamp.sizeHint().width(),
              lamp.fontMetrics().horizontalAdvance(QStringLiteral("Polarity inverted")));
}

TEST(LedButton, IgnoresClicksWhenDisabled) {
    LedButton lamp(QStringLiteral("MUTE"));
    lamp.show();
    lamp.setEnabled(false);
    QSignalSpy clicked(&lamp, &LedButton::clicked);
    QTest::mouseClick(&lamp, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);
}

} // namespace
} // namespace quorvex
