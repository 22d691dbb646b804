#include "config/byte_writer.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <limits>

namespace quorvex {

void ByteWriter::Unsigned(std::size_t offset, std::uint64_t value, std::size_t size) {
    assert(offset <= bytes_.size() && size <= bytes_.size() - offset);
    for (std::size_t i = 0; i < size; ++i) {
        bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void ByteWriter::Byte(std::size_t offset, std::uint8_t value) {
    Unsigned(offset, value, 1);
}

void ByteWriter::Boolean(std::size_t offset, bool value) {
    Unsigned(offset, value ? 1 : 0, 1);
}

void ByteWriter::Int32(std::size_t offset, std::int32_t value) {
    Unsigned(offset, static_cast<std::uint32_t>(value), 4);
}

void ByteWriter::Single(std::size_t offset, float value) {
    Unsigned(offset, std::bit_cast<std::uint32_t>(value), 4);
}

void ByteWriter::Double(std::size_t offset, double value) {
    Unsigned(offset, std::bit_cast<std::uint64_t>(value), 8);
}

void ByteWriter::Text(std::size_t offset, std::size_t capacity, std::string_view text) {
    assert(capacity <= 255);
    const std::size_t length = std::min(text.size(), capacity);
    Unsigned(offset, length, 1);
    for (std::size_t i = 0; i < length; ++i) {
        Unsigned(offset + 1 + i, static_cast<unsigned char>(text[i]), 1);
    }
}

float NarrowToSingle(long double value) {
    constexpr long double largest = std::numeric_limits<float>::max();
    if (value > largest) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -largest) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value); // NaN stays NaN
}

} // namespace quorvex
