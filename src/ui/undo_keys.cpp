#include "ui/undo_keys.h"

#include "app/edit_history.h"
#include "ui/form_window_event.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace quorvex {

namespace {

/// A field holding typing its model has not had yet: it hands the text over when it loses
/// the focus (Enter or leaving the field is how every editor field commits).
bool HoldsTyping(const QWidget* focus) {
    if (const auto* field = qobject_cast<const QLineEdit*>(focus)) {
        return field->isModified() && !field->isReadOnly();
    }
    return qobject_cast<const QAbstractSpinBox*>(focus) != nullptr;
}

/// Leaving and re-entering the focused field, so its typing reaches the model first.
void HandOverTyping() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !HoldsTyping(focus)) {
        return;
    }
    focus->clearFocus();
    focus->setFocus(Qt::OtherFocusReason);
}

} // namespace

UndoKeys::UndoKeys(EditHistory& history, QObject* parent) : QObject(parent), history_(history) {
    QCoreApplication::instance()->installEventFilter(this);
}

UndoKeys::~UndoKeys() {
    QCoreApplication::instance()->removeEventFilter(this);
}

UndoKeys::Key UndoKeys::KeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && event.key() == Qt::Key_Z) {
        return Key::Undo;
    }
    if ((modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && event.key() == Qt::Key_Z) ||
        (modifiers == Qt::ControlModifier && event.key() == Qt::Key_Y)) {
        return Key::Redo;
    }
    return Key::None;
}

bool UndoKeys::eventFilter(QObject* watched, QEvent* event) {
    const bool shortcutOverride = event->type() == QEvent::ShortcutOverride;
    if ((!shortcutOverride && event->type() != QEvent::KeyPress) || !IsForFormWindow(watched)) {
        return false;
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const Key key = KeyOf(*keyEvent);
    if (key == Key::None) {
        return false;
    }
    if (shortcutOverride) {
        // Taken from the field's own undo: the key then comes here as a key press.
        keyEvent->accept();
        return true;
    }
    Run(key);
    return true;
}

void UndoKeys::Run(Key key) {
    // Mid-drag the open step is not finished yet; the keys wait for the release.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        return;
    }
    HandOverTyping();
    if (key == Key::Undo) {
        history_.Undo();
    } else {
        history_.Redo();
    }
}

} // namespace quorvex
