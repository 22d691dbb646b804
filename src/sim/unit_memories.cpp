#include "sim/unit_memories.h"

#include "sim/memory_layout.h"

#include <algorithm>
#include <cassert>

namespace quorvex {

namespace {

constexpr std::size_t NameFieldsOffset = 12;
constexpr std::size_t NameFieldsLength = 40 + 8 * 6;
constexpr std::size_t FillOffset = 2038;
constexpr std::size_t FillLength = 7;
constexpr std::uint8_t FormatVersion = 203;

} // namespace

std::vector<std::uint8_t> BlankImage() {
    std::vector<std::uint8_t> image(sim::ImageSize, 0x00);
    const std::size_t lengthField = sim::ImageSize - 2;
    image[0] = static_cast<std::uint8_t>(lengthField >> 8);
    image[1] = static_cast<std::uint8_t>(lengthField & 0xFF);
    image[2] = FormatVersion;
    std::fill_n(image.begin() + 4, 8, std::uint8_t{0x01});
    std::fill_n(image.begin() + NameFieldsOffset, NameFieldsLength, std::uint8_t{' '});
    std::fill_n(image.begin() + FillOffset, FillLength, std::uint8_t{0x0D});
    return image;
}

UnitMemories::UnitMemories(std::span<const std::uint8_t> initialImage) {
    assert(initialImage.size() == sim::ImageSize);
    for (int number = sim::FirstMemory; number <= sim::LastMemory; ++number) {
        contents_.emplace_back(initialImage.begin(), initialImage.end());
    }
    contents_.emplace_back(sim::OperatingSystemSize, std::uint8_t{0});
}

bool UnitMemories::Exists(int number) {
    return number >= sim::FirstMemory && number <= sim::OperatingSystemMemory;
}

std::size_t UnitMemories::SizeOf(int number) {
    return number == sim::OperatingSystemMemory ? sim::OperatingSystemSize : sim::ImageSize;
}

std::span<const std::uint8_t> UnitMemories::Read(int number) const {
    assert(Exists(number));
    return contents_[static_cast<std::size_t>(number - 1)];
}

bool UnitMemories::Write(int number, std::span<const std::uint8_t> bytes) {
    if (!Exists(number) || bytes.size() != SizeOf(number)) {
        return false;
    }
    contents_[static_cast<std::size_t>(number - 1)].assign(bytes.begin(), bytes.end());
    MarkChanged(number);
    return true;
}

std::span<std::uint8_t> UnitMemories::Edit(int number) {
    assert(Exists(number));
    return contents_[static_cast<std::size_t>(number - 1)];
}

void UnitMemories::MarkChanged(int number) {
    assert(Exists(number));
    changed_[static_cast<std::size_t>(number)] = true;
}

std::vector<int> UnitMemories::TakeChanged() {
    std::vector<int> numbers;
    for (int number = sim::FirstMemory; number <= sim::OperatingSystemMemory; ++number) {
        if (changed_[static_cast<std::size_t>(number)]) {
            numbers.push_back(number);
        }
    }
    changed_.fill(false);
    return numbers;
}

bool UnitMemories::IsProtected(int number) const {
    return sim::IsImageMemory(number) && protected_[static_cast<std::size_t>(number)];
}

void UnitMemories::SetProtected(int number, bool isProtected) {
    if (sim::IsImageMemory(number)) {
        protected_[static_cast<std::size_t>(number)] = isProtected;
    }
}

} // namespace quorvex
