#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvex {

/// The unit's stores: memories 1..60 (one image each) and 61 (the DSP operating system),
/// with the protection its keyboard sets on memories 1..60.
class UnitMemories {
public:
    /// Every image memory starts as `initialImage` (ImageSize bytes); the operating-system
    /// store starts zero-filled; nothing is protected.
    explicit UnitMemories(std::span<const std::uint8_t> initialImage);

    /// True for 1..61.
    static bool Exists(int number);
    /// Bytes of memory `number`: ImageSize for 1..60, OperatingSystemSize for 61.
    static std::size_t SizeOf(int number);

    /// Contents of an existing memory.
    std::span<const std::uint8_t> Read(int number) const;
    /// Replaces an existing memory's contents, which must be SizeOf(number) bytes long, and
    /// marks it changed. Returns false (and changes nothing) on a wrong number or size.
    bool Write(int number, std::span<const std::uint8_t> bytes);
    /// Writable view of an existing memory; the caller marks it changed.
    std::span<std::uint8_t> Edit(int number);
    void MarkChanged(int number);

    /// Memories changed since the last call, ascending.
    std::vector<int> TakeChanged();

    bool IsProtected(int number) const;
    void SetProtected(int number, bool isProtected);

private:
    std::vector<std::vector<std::uint8_t>> contents_; ///< index number - 1
    std::array<bool, 62> changed_{};                  ///< index number
    std::array<bool, 62> protected_{};                ///< index number
};

} // namespace quorvex
