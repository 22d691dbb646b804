#pragma once

// The whole desktop program for a GUI test: every window created in its order, message
// boxes and file dialogs answered from a script, real-time sends recorded, and the end of
// the program counted instead of quitting the test.

#include "app/fakes.h"
#include "app/program.h"
#include "ui/desktop.h"
#include "ui/txy_graph.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

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

    /// Types `text` over the whole of `field`, as a person does, and presses Enter.
    void TypeInto(QLineEdit* field, const QString& text) {
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};

/// A test of one window: the desktop with `window` on the screen, and its own controls.
class WindowFixture : public DesktopFixture {
protected:
    /// Takes the window named `name`, which the test has asked to show, gives it `size`
    /// when one is given, and waits until it is on the screen.
    void OpenWindow(const QString& name, QSize size = QSize()) {
        window = WindowNamed(name);
        ASSERT_NE(window, nullptr);
        if (size.isValid()) {
            window->resize(size);
        }
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    /// The control `name` of this window; null (and a failure) if none.
    template <class T> T* Here(const QString& name) {
        T* control = window->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    /// A left click in the middle of this window's button `name`.
    void ClickHere(const QString& name) {
        if (auto* button = Here<QAbstractButton>(name)) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    QWidget* window = nullptr;
};

/// A test of an editor with a graph: the window at a size that leaves the graph room, and
/// the graph named `graphName`.
class GraphWindowFixture : public WindowFixture {
protected:
    void OpenGraphWindow(const QString& name, const QString& graphName) {
        ASSERT_NO_FATAL_FAILURE(OpenWindow(name, QSize(1000, 600)));
        graph = Here<TxyGraph>(graphName);
        ASSERT_NE(graph, nullptr);
    }

    /// The pixel of the graph that holds (x, y) as the plot mapping puts it.
    QPoint At(double x, double y) const {
        const PlotAxes axes = graph->Axes();
        return {static_cast<int>(std::floor(axes.X.PixelOf(x))),
                static_cast<int>(std::floor(axes.Y.PixelOf(y)))};
    }

    TxyGraph* graph = nullptr;
};

} // namespace quorvex::testing
