#pragma once

// The whole desktop program for a GUI test: every window created in its order, message
// boxes and file dialogs answered from a script, real-time sends recorded, and the end of
// the program counted instead of quitting the test.

#include "app/fakes.h"
#include "app/program.h"
#include "ui/desktop.h"

#include <QAbstractButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace quorvex::testing {

class DesktopFixture : public ::testing::Test {
protected:
    ScriptedDialogs Dialogs;
    RecordingSink Sink;
    int EndRequests = 0;
    Desktop Screen{&Dialogs, nullptr, [this] { ++EndRequests; }};

    Program& App() { return Screen.App(); }
    Document& Doc() { return Screen.App().Doc(); }
    ProcessorConnection& Processor() { return Screen.App().Processor(); }

    /// Connected over USB with real-time mode on and the sink recording.
    void GoRealTime() {
        Processor().Sink = &Sink;
        Processor().Link = LinkKind::Usb;
        Processor().Connected = true;
        Processor().RealTime = true;
    }

    /// The window named `window`; fails the test when there is none.
    QWidget* WindowNamed(const QString& window) {
        QWidget* found = Screen.Window(window);
        EXPECT_NE(found, nullptr) << window.toStdString();
        return found;
    }

    /// The control `name` of type T anywhere in the windows; null (and a failure) if none.
    template <class T> T* Control(const QString& name) {
        for (QWidget* window : Screen.Windows()) {
            if (auto* control = window->findChild<T*>(name)) {
                return control;
            }
        }
        ADD_FAILURE() << "no control " << name.toStdString();
        return nullptr;
    }

    /// The control `name` of type T in the window named `window` (several windows have
    /// controls of the same name); null (and a failure) if none.
    template <class T> T* ControlIn(const QString& window, const QString& name) {
        QWidget* found = WindowNamed(window);
        T* control = found != nullptr ? found->findChild<T*>(name) : nullptr;
        EXPECT_NE(control, nullptr)
            << window.toStdString() << ": no control " << name.toStdString();
        return control;
    }

    /// A left click in the middle of button `name` of the window named `window`.
    void ClickIn(const QString& window, const QString& name) {
        if (auto* button = ControlIn<QAbstractButton>(window, name)) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    /// A left click in the middle of button `name`.
    void Click(const QString& name) {
        if (auto* button = Control<QAbstractButton>(name)) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
};

} // namespace quorvex::testing
