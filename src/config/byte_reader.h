#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quorvex {

/// Reads little-endian values at fixed offsets of bytes that may be shorter than the layout
/// they follow (older, shorter files) or hold anything at all. A value that does not lie
/// wholly inside the bytes is absent; nothing is ever read past the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    /// True when offset .. offset + size - 1 all lie inside the bytes.
    bool Covers(std::size_t offset, std::size_t size) const;

    std::optional<std::uint8_t> Byte(std::size_t offset) const;
    /// Any byte other than 0 reads as true.
    std::optional<bool> Boolean(std::size_t offset) const;
    std::optional<std::int32_t> Int32(std::size_t offset) const;
    std::optional<float> Single(std::size_t offset) const;
    std::optional<double> Double(std::size_t offset) const;
    /// A text[capacity] field. A length beyond the capacity is cut to the capacity; absent
    /// when its length byte or any of its characters lies past the end.
    std::optional<std::string> Text(std::size_t offset, std::size_t capacity) const;

private:
    std::optional<std::uint64_t> Unsigned(std::size_t offset, std::size_t size) const;

    std::span<const std::uint8_t> bytes_;
};

/// Stores a value read into a field when the bytes held it; otherwise leaves the field alone.
template <typename Field, typename Value>
void AssignIfPresent(Field& field, const std::optional<Value>& value) {
    if (value) {
        field = static_cast<Field>(*value);
    }
}

} // namespace quorvex
