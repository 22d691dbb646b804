#include "sim/unit_memories.h"

#include "sim/memory_layout.h"

#include <algorithm>
#include <cassert>

namespace quorvex {

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
