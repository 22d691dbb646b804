#pragma once

#include "config/qvx_layout.h"
#include "config/qvx_record_kind.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

/// What ReadConfigurationFile found.
struct QvxFileContents {
    /// The system's message when the file could not be opened or read; empty otherwise.
    std::string Error;
    /// The file's bytes; at most 2689 of them, enough to tell a too-large file.
    std::vector<std::uint8_t> Bytes;
    /// The layout of the file's size; none when the size is not 2688, 2664 or 2436, which
    /// makes it "not a Quorvex file" whatever its bytes.
    std::optional<QvxLayout> Layout;

    bool Ok() const { return Error.empty(); }
};

/// Reads a configuration file. Never reads more than one byte past the current record size,
/// so a huge file costs nothing; the signature is the caller's to check (HasQvxSignature).
QvxFileContents ReadConfigurationFile(const std::filesystem::path& path);

/// Writes the record to `path`, creating or replacing the file. The record goes to a new file
/// in the same folder first and replaces the target only once it is completely written and
/// closed, so a failure (no permission, full disk, missing folder) leaves any previous file
/// as it was and no partial file behind. A replaced file keeps its permissions; one that no
/// one may write is refused; through a symbolic link the linked file is replaced. Returns the
/// system's message on failure.
std::optional<std::string> WriteConfigurationFile(const std::filesystem::path& path,
                                                  const QvxRecord& record);

} // namespace quorvex
