#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvex {

/// The lines of a text, as views into it. A line ends at LF, CR LF or a lone CR, and the
/// line end is not part of the line, so a CR LF file reads like an LF one; a line end at the
/// very end opens no further line. A UTF-8 byte-order mark at the start is dropped.
/// nullopt when the text has more than maxLines lines.
std::optional<std::vector<std::string_view>> SplitLines(std::string_view text,
                                                        std::size_t maxLines);

} // namespace quorvex
