#pragma once

#include "app/about_form.h"
#include "app/program.h"
#include "ui/about_window.h"
#include "ui/drag_steps.h"
#include "ui/editor_windows.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_progress.h"
#include "ui/qt_pump.h"
#include "ui/undo_keys.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace quorvex {

class ConnectWindow;

/// The desktop program: the Qt services, the program's models and every window, created in
/// the program's start-up order. The windows are destroyed before the models they show.
class Desktop {
public:
    /// Qt's own message boxes and message pump unless others are given (tests script the
    /// answers); the given ones must outlive the desktop. `endProgram` runs when the closing
    /// question lets the program end (by default the Qt application quits).
    explicit Desktop(Dialogs* dialogs = nullptr, MessageLoop* pump = nullptr,
                     std::function<void()> endProgram = {});
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    Program& App() { return *program_; }
    /// The About window's model (the program's models have no About window).
    TAboutForm& About() { return about_; }

    /// The platform's main window: the connection window.
    QWidget* ConnectionWindow() const;
    /// The window named `objectName`, or null.
    QWidget* Window(const QString& objectName) const;
    /// Every window in the order it was created.
    const std::vector<QWidget*>& Windows() const { return windows_; }

    /// Writes one PNG per window (named after the window) at the window's grab size into
    /// `dir`, and `dir/grab.json` naming each picture and, for each graph in it, its plot
    /// rectangle in pixels and its axes. False, with `error` set, when a file could not be
    /// written.
    bool Grab(const QString& dir, std::string& error) const;

private:
    void CreateWindows();
    QWidget* Add(std::unique_ptr<QWidget> window);
    void AddEditor(EditorWindow kind, QWidget* owner);

    QtDialogs qtDialogs_;
    QtPump qtPump_;
    QtProgress progress_;
    DesktopOpener opener_;
    TAboutForm about_;
    std::unique_ptr<Program> program_;
    std::function<void()> endProgram_;
    // The undo keys and the drag steps, for every form window.
    std::unique_ptr<UndoKeys> undoKeys_;
    std::unique_ptr<DragSteps> dragSteps_;

    // Owned windows, in creation order; destroyed last-created first, so a window goes
    // before the window that owns it.
    std::vector<std::unique_ptr<QWidget>> owned_;
    std::vector<QWidget*> windows_;
};

} // namespace quorvex
