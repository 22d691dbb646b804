#include "ui/qt_dialogs.h"

#include "ui/file_filter.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quorvex {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The box titles of the platform's standard message dialogs.
QString TitleOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return "Information";
    case MessageKind::Warning:
        return "Warning";
    case MessageKind::Error:
        return "Error";
    case MessageKind::Confirmation:
        return "Confirm";
    }
    return {};
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Closing a box by its title bar or Escape counts as its Cancel, or No without one.
QMessageBox::StandardButton EscapeOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return AnswerOf(EscapeOf(buttons), buttons);
    }
}

} // namespace

QtDialogs::~QtDialogs() {
    if (waiting_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

MessageAnswer QtDialogs::ShowMessage(MessageKind kind, MessageButtons buttons,
                                     std::string_view text) {
    QMessageBox box(IconOf(kind), TitleOf(kind), ToQString(text), ButtonsOf(buttons),
                    QApplication::activeWindow());
    box.setObjectName("MessageBox");
    box.setEscapeButton(EscapeOf(buttons));
    // A box asked while the wait cursor is on must still take clicks.
    const bool waiting = waiting_;
    SetWaitCursor(false);
    const int pressed = box.exec();
    SetWaitCursor(waiting);
    return AnswerOf(pressed, buttons);
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const FileDialogRequest& request) {
    return ChooseFile(request, false);
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const FileDialogRequest& request) {
    return ChooseFile(request, true);
}

std::optional<std::string> QtDialogs::ChooseFile(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(QApplication::activeWindow(), ToQString(request.Title));
    dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.MustExist ? QFileDialog::AnyFile
                                                  : QFileDialog::ExistingFile);
    dialog.setNameFilters(QtNameFilters(request.Filter));
    dialog.setDefaultSuffix(ToQString(request.DefaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
    if (save && !request.ProposedName.empty()) {
        dialog.selectFile(ToQString(request.ProposedName));
    }
    const bool waiting = waiting_;
    SetWaitCursor(false);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    SetWaitCursor(waiting);
    if (!accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToStdString(dialog.selectedFiles().front());
}

void QtDialogs::Beep() {
    QApplication::beep();
}

void QtDialogs::SetWaitCursor(bool waiting) {
    if (waiting == waiting_) {
        return;
    }
    waiting_ = waiting;
    if (waiting) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

} // namespace quorvex
