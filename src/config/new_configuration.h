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

// The configuration's part of each step; an editor created at start-up applies its own
// section's reset so that it opens on the same defaults New configuration gives.
void ResetLevels(Configuration& config);
void ResetCrossovers(Configuration& config);
void ResetEqualisers(Configuration& config);
void ResetDynamics(Configuration& config);
/// Delays and temperature; the relative distances too, as the delay editor's distance
/// fields go to 0 in the same step.
void ResetDelays(Configuration& config);
void ResetSystemInfo(Configuration& config);
void ResetNames(Configuration& config);
void ResetImportData(Configuration& config);
void ResetRelativeDistances(Configuration& config);

/// Resets the configuration's fields that step `index` (0..9) of New configuration names.
/// Window actions of a step (closing editors, real-time off, the sub reinforcement filters,
/// the import window) belong to the caller. Memory number, microphone sensitivity,
/// ImportFormat and DelayView are never touched.
void ApplyNewConfigurationStep(Configuration& config, int index);

using NewConfigurationProgress = std::function<void(int percent, std::string_view text)>;

/// Runs the ten steps in order, reporting each (percent, text) before applying it.
void NewConfiguration(Configuration& config, const NewConfigurationProgress& progress = {});

} // namespace quorvex
