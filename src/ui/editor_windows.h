#pragma once

#include "ui/form_window.h"

#include <memory>

class QWidget;

namespace quorvex {

class Program;

/// The editor windows that the main window and the editors open.
enum class EditorWindow {
    Peq,
    Xover,
    Gains,
    Delay,
    Dynamics,
    Loudness,
    CopyOutputs,
    FinalResponse,
    Speaker,
    Import,
    Sensitivity,
};

/// Every editor window, in the order the program creates them.
inline constexpr EditorWindow EditorWindowsInOrder[] = {
    EditorWindow::CopyOutputs, EditorWindow::Sensitivity, EditorWindow::FinalResponse,
    EditorWindow::Peq,         EditorWindow::Gains,       EditorWindow::Dynamics,
    EditorWindow::Delay,       EditorWindow::Xover,       EditorWindow::Speaker,
    EditorWindow::Loudness,    EditorWindow::Import,
};

/// The window of editor `kind` over its model in `program`, owned by `owner`'s window.
std::unique_ptr<FormWindow> MakeEditorWindow(EditorWindow kind, Program& program, QWidget* owner);

} // namespace quorvex
