#include "ui/desktop.h"

#include "ui/connect_window.h"
#include "ui/grab_report.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

namespace quorvex {

namespace {

// The windows created before the main one get their messages handled before it appears.
constexpr int StartUpPumps = 100;

} // namespace

Desktop::Desktop(Dialogs* dialogs, Pump* pump, std::function<void()> endProgram)
    : endProgram_(endProgram ? std::move(endProgram) : [] { QCoreApplication::quit(); }) {
    QGuiApplication::setApplicationDisplayName("Quorvex");
    Pump& messages = pump != nullptr ? *pump : qtPump_;
    program_ =
        std::make_unique<Program>(dialogs != nullptr ? *dialogs : qtDialogs_, progress_, messages);
    CreateWindows();
}

Desktop::~Desktop() {
    windows_.clear();
    while (!owned_.empty()) {
        owned_.pop_back();
    }
}

void Desktop::CreateWindows() {
    auto connect = std::make_unique<ConnectWindow>(*program_, endProgram_);
    QWidget* connection = connect.get();
    owned_.push_back(std::move(connect));
    windows_.push_back(connection);
    AddEditor(EditorWindow::CopyOutputs, connection);
    AddEditor(EditorWindow::Sensitivity, connection);
    windows_.push_back(progress_.CreateWindow(connection));
    program_->State().Messages.Run(StartUpPumps);

    QWidget* owner = connection;
    AddEditor(EditorWindow::FinalResponse, owner);
    AddEditor(EditorWindow::Peq, owner);
    AddEditor(EditorWindow::Gains, owner);
    AddEditor(EditorWindow::Dynamics, owner);
    AddEditor(EditorWindow::Delay, owner);
    AddEditor(EditorWindow::Xover, owner);
    AddEditor(EditorWindow::Speaker, owner);
    AddEditor(EditorWindow::Loudness, owner);
    AddEditor(EditorWindow::Import, owner);
}

void Desktop::Add(QWidget* window) {
    windows_.push_back(window);
}

void Desktop::AddEditor(EditorWindow kind, QWidget* owner) {
    std::unique_ptr<FormWindow> window = MakeEditorWindow(kind, *program_, owner);
    windows_.push_back(window.get());
    owned_.push_back(std::move(window));
}

QWidget* Desktop::ConnectionWindow() const {
    return windows_.front();
}

QWidget* Desktop::Window(const QString& objectName) const {
    for (QWidget* window : windows_) {
        if (window->objectName() == objectName) {
            return window;
        }
    }
    return nullptr;
}

bool Desktop::Grab(const QString& dir, std::string& error) const {
    return GrabWindows(windows_, dir, error);
}

} // namespace quorvex
