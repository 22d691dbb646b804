#pragma once

#include "app/dialogs.h"

#include <functional>

class QWidget;

namespace quorvex {

/// The message boxes, file dialogs, beep and wait cursor of the desktop. A message box and a
/// file dialog are asked and answered at once (the model's handler waits for the answer),
/// centred on the window that is active when they are asked.
class QtDialogs : public Dialogs {
public:
    QtDialogs() = default;
    ~QtDialogs() override;
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;

    MessageAnswer ShowMessage(MessageKind kind, MessageButtons buttons,
                              std::string_view text) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    void Beep() override;
    void SetWaitCursor(bool waiting) override;

private:
    std::optional<std::string> ChooseFile(const FileDialogRequest& request, bool save);

    bool waiting_ = false;
};

} // namespace quorvex
