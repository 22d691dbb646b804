#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

/// The four kinds of message box.
enum class MessageKind { Information, Warning, Error, Confirmation };

/// The fixed button sets of the message boxes.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

/// The button the person pressed (closing a box counts as its Cancel, or No without one).
enum class MessageAnswer { Ok, Cancel, Yes, No };

/// What an open or save dialog shows.
struct FileDialogRequest {
    std::string Title;
    std::string Filter;           ///< e.g. "Quorvex Files *.QVX|*.QVX|All Files *.*|*.*"
    std::string DefaultExtension; ///< without the dot
    std::string ProposedName;     ///< save dialog only
    bool MustExist = false;       ///< open: the file and its path must exist
    bool ConfirmOverwrite = false;
};

/// Every effect on the person that is not a window's own content. The desktop program
/// implements it with Qt, the tests with scripted answers, the command-line tool on stderr.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer ShowMessage(MessageKind kind, MessageButtons buttons,
                                      std::string_view text) = 0;
    /// The chosen path, or nothing when cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
    virtual void Beep() = 0;
    virtual void SetWaitCursor(bool waiting) = 0;
};

} // namespace quorvex
