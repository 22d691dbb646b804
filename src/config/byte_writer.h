#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvex {

/// Writes little-endian values at fixed offsets of a byte buffer that the caller owns and
/// has zeroed. Offsets come from a fixed layout: writing past the end is a programming error.
class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

    void Byte(std::size_t offset, std::uint8_t value);
    /// 1 for true, 0 for false.
    void Boolean(std::size_t offset, bool value);
    void Int32(std::size_t offset, std::int32_t value);
    void Single(std::size_t offset, float value);
    void Double(std::size_t offset, double value);
    /// A text[capacity] field: the length byte, then the first `capacity` bytes of `text`.
    /// The field occupies capacity + 1 bytes; bytes after the text are left as they are.
    void Text(std::size_t offset, std::size_t capacity, std::string_view text);

private:
    void Unsigned(std::size_t offset, std::uint64_t value, std::size_t size);

    std::span<std::uint8_t> bytes_;
};

/// A value held in double or extended precision as a file single holds it: rounded to the
/// nearest single; magnitudes beyond the largest single become infinite, as the FPU would
/// make them, instead of the conversion that the language leaves undefined.
float NarrowToSingle(long double value);

} // namespace quorvex
