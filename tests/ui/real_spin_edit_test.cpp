#include "ui/real_spin_edit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quorvex {
namespace {

struct ShownSpinEdit {
    ShownSpinEdit() {
        edit.show();
        (void)QTest::qWaitForWindowExposed(&edit);
        edit.Field()->setFocus();
    }
    RealSpinEdit edit;
};

TEST(RealSpinEdit, ShowsTheGivenTextUnchangedAndEmitsNothing) {
    ShownSpinEdit shown;
    QSignalSpy entered(&shown.edit, &RealSpinEdit::EnterPressed);
    shown.edit.SetText(QStringLiteral("1000.00"));
    EXPECT_EQ(shown.edit.Text(), QStringLiteral("1000.00"));
    shown.edit.SetText(QStringLiteral(" -0,70 "));
    EXPECT_EQ(shown.edit.Field()->text(), QStringLiteral(" -0,70 "));
    EXPECT_EQ(entered.count(), 0);
}

TEST(RealSpinEdit, ReportsTheTypedTextOnEnter) {
    ShownSpinEdit shown;
    QSignalSpy entered(&shown.edit, &RealSpinEdit::EnterPressed);
    shown.edit.SetText(QString());
    QTest::keyClicks(shown.edit.Field(), QStringLiteral("12.5x"));
    QTest::keyClick(shown.edit.Field(), Qt::Key_Return);
    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(entered.at(0).at(0).toString(), QStringLiteral("12.5x"));
}

TEST(RealSpinEdit, StepsWithTheUpAndDownKeysAndButtons) {
    ShownSpinEdit shown;
    QSignalSpy up(&shown.edit, &RealSpinEdit::StepUp);
    QSignalSpy down(&shown.edit, &RealSpinEdit::StepDown);
    shown.edit.SetText(QStringLiteral("0.7"));
    QTest::keyClick(shown.edit.Field(), Qt::Key_Up);
    QTest::keyClick(shown.edit.Field(), Qt::Key_Down);
    QTest::keyClick(shown.edit.Field(), Qt::Key_Down);
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.count(), 2);
    EXPECT_EQ(shown.edit.Text(), QStringLiteral("0.7")); // the owner sets the stepped text
    const auto buttons = shown.edit.findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    for (QToolButton* button : buttons) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(up.count(), 2);
    EXPECT_EQ(down.count(), 3);
}

TEST(RealSpinEdit, ReportsAnEditedFieldWhenTheFocusLeaves) {
    ShownSpinEdit shown;
    QSignalSpy left(&shown.edit, &RealSpinEdit::EditingLeft);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(shown.edit.Field(), &out);
    EXPECT_EQ(left.count(), 0); // nothing typed: nothing to report
    QTest::keyClicks(shown.edit.Field(), QStringLiteral("3"));
    QApplication::sendEvent(shown.edit.Field(), &out);
    ASSERT_EQ(left.count(), 1);
    EXPECT_EQ(left.at(0).at(0).toString(), QStringLiteral("3"));
}

TEST(RealSpinEdit, AValueTakenWithEnterIsNotReportedAgainWhenTheFocusLeaves) {
    ShownSpinEdit shown;
    QSignalSpy entered(&shown.edit, &RealSpinEdit::EnterPressed);
    QSignalSpy left(&shown.edit, &RealSpinEdit::EditingLeft);
    QTest::keyClicks(shown.edit.Field(), QStringLiteral("7"));
    QTest::keyClick(shown.edit.Field(), Qt::Key_Return);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(shown.edit.Field(), &out);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 0);
}

} // namespace
} // namespace quorvex
