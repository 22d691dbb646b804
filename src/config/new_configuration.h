#pragma once

#include <array>
#include <functional>
#include <string_view>

namespace quorvex {

struct Configuration;

/// One step of New configuration: its progress percentage and step text.
struct NewConfigurationStep {
    int Percent;
    std::string_view Text;
};

/// The ten steps, in order: "Gains...", "Crossover...", ..., "DONE...".
inline constexpr std::array<NewConfigurationStep, 10> NewConfigurationSteps{{
    {10, "Gains..."},
    {20, "Crossover..."},
    {30, "Equalization..."},
    {40, "Dynamics..."},
    {50, "Delays..."},
    {60, "Loudness..."},
    {70, "System Info..."},
    {80, "Names..."},
    {90, "Import Data..."},
    {100, "DONE..."},
}};

/// Resets the configuration's fields that step `index` (0..9) of New configuration names.
/// Window actions of a step (closing editors, real-time off, the sub reinforcement filters,
/// the import window) belong to the caller. Memory number, microphone sensitivity,
/// ImportFormat and DelayView are never touched.
void ApplyNewConfigurationStep(Configuration& config, int index);

using NewConfigurationProgress = std::function<void(int percent, std::string_view text)>;

/// Runs the ten steps in order, reporting each (percent, text) before applying it.
void NewConfiguration(Configuration& config, const NewConfigurationProgress& progress = {});

} // namespace quorvex
