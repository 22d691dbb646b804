#include "cli/console_dialogs.h"

namespace quorvex {

namespace {

MessageAnswer DefaultAnswer(MessageButtons buttons) {
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

} // namespace

MessageAnswer ConsoleDialogs::ShowMessage(MessageKind kind, MessageButtons buttons,
                                          std::string_view text) {
    if (kind == MessageKind::Error || kind == MessageKind::Warning) {
        if (buttons == MessageButtons::Ok) {
            Problems.emplace_back(text);
        }
    }
    const bool question = buttons != MessageButtons::Ok;
    if (!question) {
        out_ << text << '\n';
        return MessageAnswer::Ok;
    }
    if (Answers.empty()) {
        return DefaultAnswer(buttons);
    }
    const MessageAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

std::optional<std::string> ConsoleDialogs::ChooseOpenFile(const FileDialogRequest&) {
    if (OpenPaths.empty()) {
        return std::nullopt;
    }
    std::string path = OpenPaths.front();
    OpenPaths.pop_front();
    return path;
}

std::optional<std::string> ConsoleDialogs::ChooseSaveFile(const FileDialogRequest&) {
    if (SavePaths.empty()) {
        return std::nullopt;
    }
    std::string path = SavePaths.front();
    SavePaths.pop_front();
    return path;
}

void ConsoleProgress::SetFirstLine(std::string_view text) {
    if (verbose_) {
        out_ << text << '\n';
    }
}

void ConsoleProgress::SetStepText(std::string_view text) {
    if (verbose_) {
        out_ << "  " << text << '\n';
    }
}

} // namespace quorvex
