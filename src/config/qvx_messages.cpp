#include "config/qvx_messages.h"

namespace quorvex {

namespace {

constexpr std::string_view IsNotA = " is not a ";
constexpr std::string_view Quorvex = "Quorvex";
constexpr std::string_view File = "File";
constexpr std::string_view OlderVersion =
    " File or is an older version (then re-save the file to translate it to VERSION ";
constexpr std::string_view CurrentVersion = "2.1.0.1";

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const auto part : parts) {
        text.append(part);
    }
    return text;
}

} // namespace

std::string NotQuorvexFileMessage(std::string_view fileName) {
    return Joined({fileName, IsNotA, Quorvex, File});
}

std::string OlderQvxVersionMessage(std::string_view fileName) {
    return Joined({fileName, IsNotA, Quorvex, OlderVersion, CurrentVersion});
}

} // namespace quorvex
