#pragma once

#include <array>
#include <optional>
#include <string_view>

// The choices of the speaker and amplifier window.

namespace quorvex {

inline constexpr int ImpedanceItemCount = 5;

/// Texts of the "Box Impedance" list, in item order.
inline constexpr std::array<std::string_view, ImpedanceItemCount> ImpedanceItemTexts{
    "2", "2.67", "4", "8", "16"};

/// Impedance in ohms stored for a list item (0..4); nullopt for any other index.
std::optional<float> ImpedanceOfItem(int item);

/// List item of a stored impedance, chosen from the impedance rounded to whole ohms
/// (2.67 rounds to 3); nullopt when no item matches.
std::optional<int> ImpedanceItemOf(float loadImpedance);

/// Dynamics block (1..3) of an output button (1..6) of the window: round(n / 2 + 0.1).
int BlockOfSpeakerButton(int button);

} // namespace quorvex
