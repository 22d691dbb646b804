#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace quorvex {

/// The three record layouts a configuration file may have, told apart by its size.
enum class QvxLayout {
    Current,      ///< 2688 bytes
    WithoutGates, ///< 2664 bytes: the gate arrays are missing
    Oldest,       ///< 2436 bytes
};

/// What a reader makes of a file's bytes.
enum class QvxRecordKind {
    NotQuorvex,   ///< wrong size or wrong signature: nothing may be loaded
    OlderVersion, ///< 2664 or 2436 bytes with the signature: loaded after a warning
    Current,      ///< 2688 bytes with the signature
};

/// The layout of a file of `size` bytes; none for any size other than 2688, 2664, 2436.
std::optional<QvxLayout> QvxLayoutOfSize(std::size_t size);

/// True when the bytes begin with 05 58 44 41 43 46 (length 5, "XDACF"). The version and
/// header texts that follow are never compared.
bool HasQvxSignature(std::span<const std::uint8_t> bytes);

/// Size and signature together.
QvxRecordKind ClassifyQvxRecord(std::span<const std::uint8_t> bytes);

} // namespace quorvex
