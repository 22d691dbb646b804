#include "config/speaker_file_path.h"

namespace quorvex {

namespace {

constexpr std::string_view Separators = "\\/";

bool IsSeparator(char c) {
    return Separators.find(c) != std::string_view::npos;
}

} // namespace

std::string_view FileNameOf(std::string_view path) {
    const std::size_t last = path.find_last_of(Separators);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string_view FolderOf(std::string_view path) {
    const std::size_t last = path.find_last_of(Separators);
    return last == std::string_view::npos ? std::string_view{} : path.substr(0, last + 1);
}

std::string JoinPath(std::string_view folder, std::string_view fileName) {
    std::string joined(folder);
    if (!folder.empty() && !IsSeparator(folder.back())) {
        const bool windowsOnly = folder.find('/') == std::string_view::npos &&
                                 folder.find('\\') != std::string_view::npos;
        joined += windowsOnly ? '\\' : '/';
    }
    joined += fileName;
    return joined;
}

} // namespace quorvex
