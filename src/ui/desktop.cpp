#include "ui/desktop.h"

#include "app/connect_form.h"
#include "ui/about_window.h"
#include "ui/connect_window.h"
#include "ui/grab_report.h"
#include "ui/input_pass_window.h"
#include "ui/main_window.h"
#include "ui/password_window.h"
#include "ui/serial_info_window.h"
#include "ui/show_coeff_window.h"
#include "ui/system_info_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

namespace quorvex {

namespace {

// The windows created before the main one get their messages handled before it appears.
constexpr int StartUpPumps = 100;

} // namespace

Desktop::Desktop(Dialogs* dialogs, MessageLoop* pump, std::function<void()> endProgram)
    : about_(opener_),
      endProgram_(endProgram ? std::move(endProgram) : [] { QCoreApplication::quit(); }) {
    QGuiApplication::setApplicationDisplayName("Quorvex");
    MessageLoop& messages = pump != nullptr ? *pump : qtPump_;
    program_ =
        std::make_unique<Program>(dialogs != nullptr ? *dialogs : qtDialogs_, progress_, messages);
    CreateWindows();
    undoKeys_ = std::make_unique<UndoKeys>(program_->History());
    dragSteps_ = std::make_unique<DragSteps>(program_->History());
}

Desktop::~Desktop() {
    dragSteps_.reset();
    undoKeys_.reset();
    windows_.clear();
    while (!owned_.empty()) {
        owned_.pop_back();
    }
}

void Desktop::CreateWindows() {
    QWidget* connection = Add(std::make_unique<ConnectWindow>(*program_, endProgram_));
    AddEditor(EditorWindow::CopyOutputs, connection);
    AddEditor(EditorWindow::Sensitivity, connection);
    windows_.push_back(progress_.CreateWindow(connection));
    Add(std::make_unique<InputPassWindow>(program_->InputPass(), connection));
    program_->Services().MessagePump.Run(StartUpPumps);

    QWidget* main = Add(std::make_unique<MainWindow>(*program_, about_, connection, endProgram_));
    Add(std::make_unique<ShowCoeffWindow>(program_->ShowCoeff(), main));
    AddEditor(EditorWindow::FinalResponse, main);
    AddEditor(EditorWindow::Peq, main);
    AddEditor(EditorWindow::Gains, main);
    AddEditor(EditorWindow::Dynamics, main);
    AddEditor(EditorWindow::Delay, main);
    AddEditor(EditorWindow::Xover, main);
    AddEditor(EditorWindow::Speaker, main);
    AddEditor(EditorWindow::Loudness, main);
    Add(std::make_unique<AboutWindow>(about_, main));
    Add(std::make_unique<SerialInfoWindow>(program_->Connect(), main));
    Add(std::make_unique<SystemInfoWindow>(program_->SystemInfo(), main));
    Add(std::make_unique<PasswordWindow>(program_->Password(), main));
    AddEditor(EditorWindow::Import, main);
}

QWidget* Desktop::Add(std::unique_ptr<QWidget> window) {
    QWidget* added = window.get();
    windows_.push_back(added);
    owned_.push_back(std::move(window));
    return added;
}

void Desktop::AddEditor(EditorWindow kind, QWidget* owner) {
    Add(MakeEditorWindow(kind, *program_, owner));
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
