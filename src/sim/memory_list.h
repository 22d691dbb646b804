#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

/// Reads a list of memories 1..60 such as "1,5,7" or "1-20,30": numbers and ranges separated
/// by commas, blanks allowed around them. An empty text is an empty list. On a malformed
/// list returns nothing and sets `error` to the reason.
std::optional<std::vector<int>> ParseMemoryList(std::string_view text, std::string& error);

} // namespace quorvex
