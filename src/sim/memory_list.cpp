#include "sim/memory_list.h"

#include "sim/memory_layout.h"

#include <algorithm>
#include <charconv>

namespace quorvex {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

/// A memory number 1..60 taking the whole text.
std::optional<int> MemoryNumber(std::string_view text) {
    text = Trimmed(text);
    int value = 0;
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result != std::errc{} || end != text.data() + text.size() ||
        !sim::IsImageMemory(value)) {
        return std::nullopt;
    }
    return value;
}

/// Appends the memories of one item ("7" or "3-9"); false when it is malformed.
bool AppendItem(std::string_view item, std::vector<int>& memories) {
    const auto dash = item.find('-');
    const std::optional<int> first = MemoryNumber(item.substr(0, dash));
    const std::optional<int> last =
        dash == std::string_view::npos ? first : MemoryNumber(item.substr(dash + 1));
    if (!first || !last || *last < *first) {
        return false;
    }
    for (int memory = *first; memory <= *last; ++memory) {
        memories.push_back(memory);
    }
    return true;
}

} // namespace

std::optional<std::vector<int>> ParseMemoryList(std::string_view text, std::string& error) {
    std::vector<int> memories;
    if (Trimmed(text).empty()) {
        return memories;
    }
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::string_view item = text.substr(from, comma - from);
        if (!AppendItem(item, memories)) {
            error =
                "Not a memory or range of memories 1..60: \"" + std::string(Trimmed(item)) + "\"";
            return std::nullopt;
        }
        from = comma + 1;
    }
    std::sort(memories.begin(), memories.end());
    memories.erase(std::unique(memories.begin(), memories.end()), memories.end());
    return memories;
}

} // namespace quorvex
