#include "config/byte_reader.h"

#include <algorithm>
#include <bit>

namespace quorvex {

bool ByteReader::Covers(std::size_t offset, std::size_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
}

std::optional<std::uint64_t> ByteReader::Unsigned(std::size_t offset, std::size_t size) const {
    if (!Covers(offset, size)) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(bytes_[offset + i]) << (8 * i);
    }
    return value;
}

std::optional<std::uint8_t> ByteReader::Byte(std::size_t offset) const {
    const auto value = Unsigned(offset, 1);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*value);
}

std::optional<bool> ByteReader::Boolean(std::size_t offset) const {
    const auto value = Byte(offset);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

std::optional<std::int32_t> ByteReader::Int32(std::size_t offset) const {
    const auto value = Unsigned(offset, 4);
    if (!value) {
        return std::nullopt;
    }
    return std::bit_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
}

std::optional<float> ByteReader::Single(std::size_t offset) const {
    const auto value = Unsigned(offset, 4);
    if (!value) {
        return std::nullopt;
    }
    return std::bit_cast<float>(static_cast<std::uint32_t>(*value));
}

std::optional<double> ByteReader::Double(std::size_t offset) const {
    const auto value = Unsigned(offset, 8);
    if (!value) {
        return std::nullopt;
    }
    return std::bit_cast<double>(*value);
}

std::optional<std::string> ByteReader::Text(std::size_t offset, std::size_t capacity) const {
    const auto length = Byte(offset);
    if (!length) {
        return std::nullopt;
    }
    const std::size_t kept = std::min(static_cast<std::size_t>(*length), capacity);
    // A text the record breaks off in (an older, shorter layout) is missing, not cut: half a
    // file name would name no file.
    if (!Covers(offset + 1, kept)) {
        return std::nullopt;
    }
    const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    return std::string(first, first + static_cast<std::ptrdiff_t>(kept));
}

} // namespace quorvex
