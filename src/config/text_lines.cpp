#include "config/text_lines.h"

namespace quorvex {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// A plain scan: find_first_of would search the two-character set once per character.
std::size_t LineEnd(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::optional<std::vector<std::string_view>> SplitLines(std::string_view text,
                                                        std::size_t maxLines) {
    if (text.starts_with(Utf8ByteOrderMark)) {
        text.remove_prefix(Utf8ByteOrderMark.size());
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        if (lines.size() == maxLines) {
            return std::nullopt;
        }
        const std::size_t end = LineEnd(text);
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

} // namespace quorvex
