#pragma once

#include <QObject>

class QKeyEvent;

namespace quorvex {

class EditHistory;

/// Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo, in every form window of the program (the
/// message boxes and file dialogs keep their own keys). The keys win over a text field's
/// own undo: the field's typing is first handed to its model, as leaving the field does, so
/// the typing becomes the step Ctrl+Z takes back and Redo brings it back again; the field
/// and the configuration never disagree. Installed on the application for its lifetime.
class UndoKeys : public QObject {
public:
    explicit UndoKeys(EditHistory& history, QObject* parent = nullptr);
    ~UndoKeys() override;
    UndoKeys(const UndoKeys&) = delete;
    UndoKeys& operator=(const UndoKeys&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Key { None, Undo, Redo };
    static Key KeyOf(const QKeyEvent& event);
    void Run(Key key);

    EditHistory& history_;
};

} // namespace quorvex
