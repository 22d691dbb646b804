#include "ui/rounded_button.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(RoundedButton, EmitsOnceForAClickAndLightsOnlyWhenTold) {
    RoundedButton button(QStringLiteral("Out1"));
    button.show();
    QSignalSpy clicked(&button, &RoundedButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(button.IsLit());
    const QPoint middle(button.width() / 4, button.height() / 2);
    const QColor dark = button.grab().toImage().pixelColor(middle);
    button.SetLit(true);
    EXPECT_NE(button.grab().toImage().pixelColor(middle), dark);
}

TEST(RoundedButton, SizesItselfFromItsCaption) {
    RoundedButton shortOne(QStringLiteral("B"));
    RoundedButton longOne(QStringLiteral("Write to Memory"));
    EXPECT_GT(longOne.sizeHint().width(),
              longOne.fontMetrics().horizontalAdvance(QStringLiteral("Write to Memory")));
    EXPECT_GT(longOne.sizeHint().width(), shortOne.sizeHint().width());
}

} // namespace
} // namespace quorvex
