#include "quiet_program.h"

namespace quorvex::fuzz {

namespace {

std::optional<std::string> TakeFirst(std::deque<std::string>& paths) {
    if (paths.empty()) {
        return std::nullopt;
    }
    std::string path = std::move(paths.front());
    paths.pop_front();
    return path;
}

} // namespace

MessageAnswer QuietDialogs::ShowMessage(MessageKind, MessageButtons buttons, std::string_view) {
    ++Boxes;
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

std::optional<std::string> QuietDialogs::ChooseOpenFile(const FileDialogRequest&) {
    return TakeFirst(OpenPaths);
}

std::optional<std::string> QuietDialogs::ChooseSaveFile(const FileDialogRequest&) {
    return TakeFirst(SavePaths);
}

} // namespace quorvex::fuzz
