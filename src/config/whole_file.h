#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvex {

/// Writes `bytes` as the whole content of `path`, creating or replacing the file. The bytes
/// go to a new file in the same folder first and replace the target only once completely
/// written and closed, so a failure (no permission, full disk, missing folder) leaves any
/// previous file as it was and no partial file behind. A replaced file keeps its
/// permissions; one that no one may write is refused; through a symbolic link the linked
/// file is replaced, or created when the link names a file not there yet (a link into a
/// missing folder fails as that folder would). Returns the system's message on failure.
std::optional<std::string> ReplaceFileContents(const std::filesystem::path& path,
                                               std::span<const std::uint8_t> bytes);

/// The first bytes of a file: at most `limit` of them, so a huge file costs nothing.
struct FileHead {
    std::string Error; ///< the system's message when the file could not be opened or read
    std::vector<std::uint8_t> Bytes;

    bool Ok() const { return Error.empty(); }
};
FileHead ReadFileHead(const std::filesystem::path& path, std::size_t limit);

} // namespace quorvex
