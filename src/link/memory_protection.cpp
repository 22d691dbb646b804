#include "link/memory_protection.h"

namespace quorvex {

namespace {

constexpr std::string_view AccessCode = "8642";

} // namespace

bool MemoryProtection::EnterCode(std::string_view code) {
    unlocked_ = code == AccessCode;
    return unlocked_;
}

bool MemoryProtection::MayWrite(int number) const {
    return number >= MinimumMemory() && number <= LastMemory;
}

} // namespace quorvex
