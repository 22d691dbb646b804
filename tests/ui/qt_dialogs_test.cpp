#include "ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace quorvex {
namespace {

// Runs `act` on the modal dialog of type T once it is up (the box's own loop is running).
template <class T> void WhenShown(std::function<void(T&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

struct BoxCase {
    MessageKind Kind;
    MessageButtons Buttons;
    QMessageBox::Icon Icon;
    QMessageBox::StandardButtons Shown;
    QMessageBox::StandardButton Pressed;
    MessageAnswer Answer;
};

std::string KindName(const ::testing::TestParamInfo<BoxCase>& info) {
    constexpr std::array<const char*, 4> Names{"Information", "Warning", "Error", "Confirmation"};
    return Names[static_cast<std::size_t>(info.param.Kind)];
}

class QtMessageBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(QtMessageBoxes, ShowTheTextWithTheKindsIconAndButtonsAndReturnThePressedOne) {
    const BoxCase& box = GetParam();
    QtDialogs dialogs;
    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shownButtons;
    WhenShown<QMessageBox>([&](QMessageBox& shown) {
        shownText = shown.text();
        shownIcon = shown.icon();
        shownButtons = shown.standardButtons();
        QTest::mouseClick(shown.button(box.Pressed), Qt::LeftButton);
    });
    const MessageAnswer answer =
        dialogs.ShowMessage(box.Kind, box.Buttons, "The memory 21 have a preset stored. ¡¡ºC");
    EXPECT_EQ(shownText, QString::fromUtf8("The memory 21 have a preset stored. ¡¡ºC"));
    EXPECT_EQ(shownIcon, box.Icon);
    EXPECT_EQ(shownButtons, box.Shown);
    EXPECT_EQ(answer, box.Answer);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindAndButtonSet, QtMessageBoxes,
    ::testing::Values(
        BoxCase{MessageKind::Information, MessageButtons::Ok, QMessageBox::Information,
                QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        BoxCase{MessageKind::Warning, MessageButtons::YesNoCancel, QMessageBox::Warning,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No,
                MessageAnswer::No},
        BoxCase{MessageKind::Error, MessageButtons::OkCancel, QMessageBox::Critical,
                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, MessageAnswer::Cancel},
        BoxCase{MessageKind::Confirmation, MessageButtons::YesNo, QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageAnswer::Yes}),
    KindName);

TEST(QtMessageBox, EscapeCountsAsCancelOrNoWithoutOne) {
    QtDialogs dialogs;
    const auto escape = [](QMessageBox& shown) { QTest::keyClick(&shown, Qt::Key_Escape); };
    WhenShown<QMessageBox>(escape);
    EXPECT_EQ(dialogs.ShowMessage(MessageKind::Warning, MessageButtons::YesNoCancel, "?"),
              MessageAnswer::Cancel);
    WhenShown<QMessageBox>(escape);
    EXPECT_EQ(dialogs.ShowMessage(MessageKind::Warning, MessageButtons::YesNo, "?"),
              MessageAnswer::No);
    WhenShown<QMessageBox>(escape);
    EXPECT_EQ(dialogs.ShowMessage(MessageKind::Information, MessageButtons::Ok, "!"),
              MessageAnswer::Ok);
}

TEST(QtMessageBox, TakesClicksWhileTheWaitCursorIsOnAndRestoresItAfter) {
    QtDialogs dialogs;
    dialogs.SetWaitCursor(true);
    Qt::CursorShape during = Qt::WaitCursor;
    WhenShown<QMessageBox>([&](QMessageBox& shown) {
        during = QGuiApplication::overrideCursor() != nullptr
                     ? QGuiApplication::overrideCursor()->shape()
                     : Qt::ArrowCursor;
        shown.button(QMessageBox::Ok)->click();
    });
    dialogs.ShowMessage(MessageKind::Information, MessageButtons::Ok, "!");
    EXPECT_NE(during, Qt::WaitCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    dialogs.SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtFileDialogs, ShowTheRequestsTitleFiltersAndProposedName) {
    QtDialogs dialogs;
    FileDialogRequest request{"Save Varnel File",
                              "Quorvex Files *.QVX|*.QVX|All Files *.*|*.*",
                              "QVX",
                              "NoName",
                              false,
                              true};
    QString title;
    QStringList filters;
    QString suffix;
    bool confirms = false;
    WhenShown<QFileDialog>([&](QFileDialog& shown) {
        title = shown.windowTitle();
        filters = shown.nameFilters();
        suffix = shown.defaultSuffix();
        confirms = !shown.testOption(QFileDialog::DontConfirmOverwrite);
        shown.reject();
    });
    EXPECT_FALSE(dialogs.ChooseSaveFile(request).has_value()) << "cancelled";
    EXPECT_EQ(title, "Save Varnel File");
    EXPECT_EQ(filters, QStringList({"Quorvex Files *.QVX (*.QVX)", "All Files *.* (*.*)"}));
    EXPECT_EQ(suffix, "QVX");
    EXPECT_TRUE(confirms);
}

} // namespace
} // namespace quorvex
