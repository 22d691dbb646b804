#pragma once

#include <string_view>

namespace quorvex {

inline constexpr int FirstMemory = 1;
inline constexpr int LastMemory = 60;
inline constexpr int FirstUnprotectedMemory = 21;

/// The program's own guard of memories 1..20: they may be written only after the access code
/// was typed in this run. A wrong code protects them again.
class MemoryProtection {
public:
    /// Takes a typed code: true, and memories 1..20 writable, when it is the access code.
    bool EnterCode(std::string_view code);

    bool Unlocked() const { return unlocked_; }
    /// The lowest memory the selector offers: 21 while protected, 1 once unlocked.
    int MinimumMemory() const { return unlocked_ ? FirstMemory : FirstUnprotectedMemory; }
    /// True when memory `number` exists and may be written now.
    bool MayWrite(int number) const;

private:
    bool unlocked_ = false;
};

} // namespace quorvex
