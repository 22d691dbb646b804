#pragma once

#include "config/configuration.h"
#include "config/new_configuration.h"
#include "config/route.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvex::test {

/// A configuration in which every stored field differs from its New-configuration default,
/// so a field that is not written or not read back shows up.
inline Configuration SampleConfiguration() {
    Configuration config;
    NewConfiguration(config);
    config.SystemInfo = SystemInfo{"Main Stage", "Summer Tour", "Ana", "left hang\r\nright hang"};
    config.TemperatureC = 37;
    config.InputNames = {"Mix L", "Mix R"};
    config.OutputNames = {"Top L", "Top R", "Mid L", "Mid R", "Sub L", "Sub R"};
    const std::int32_t routes[OutputCount] = {2, 0, 1, 1, 0, 2};
    for (int output = 1; output <= OutputCount; ++output) {
        SetRoute(config, output, routes[output - 1]);
        OutputChannel& channel = config.Output(output);
        for (int band = 1; band <= BandCountOf(output); ++band) {
            channel.Band(band) = PeqBand{static_cast<std::uint8_t>(band), -1.5 * band + output,
                                         100.0 * band + output, 0.5 + 0.25 * band};
        }
        channel.Crossover.HighPass = CrossoverSection{80.0 + output, 3, 4};
        channel.Crossover.LowPass = CrossoverSection{4000.0 + output, 4, 3};
        channel.Crossover.SoloHighPass = output == 2;
        channel.Crossover.SoloLowPass = output == 5;
        channel.Level.PolarityInverted = output % 2 == 0;
        channel.Level.PolaritySign = channel.Level.PolarityInverted ? -1.0F : 1.0F;
        channel.Level.GainFactor = (0.125 * output) * channel.Level.PolaritySign;
        channel.Level.Muted = output == 3;
        channel.Level.MuteFactor = channel.Level.Muted ? 0.0 : 1.0;
        channel.Delay = DelaySetting{10 * output, 4 * (output - 1)};
        channel.SpeakerFile = "C:\\Measures\\cabinet" + std::to_string(output) + ".txt";
    }
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        DynamicsSetting& dynamics = config.Block(block);
        dynamics.ThresholdDb = -10.0F - static_cast<float>(block);
        dynamics.Ratio = 3.0F + static_cast<float>(block);
        dynamics.MakeupGainDb = 1.5F;
        dynamics.HoldSamples = 960 + block;
        dynamics.DecaySteps = 100 + block;
        dynamics.LookAheadSamples = 32 * block;
        dynamics.CompressorMode = 1;
        dynamics.KneeDb = 6.0F;
        dynamics.Bypass = 1;
        dynamics.Decimation = 0;
        dynamics.XdBmaxLimit = 9.0F;
        dynamics.NoiseGatePosition = 20.0F + static_cast<float>(block);
        dynamics.NoiseGateSlope = 2.0F;
        dynamics.LoadImpedance = 4.0F;
        dynamics.SpeakerMaxPower = 800.0F;
        dynamics.AmpGain = 20.0F;
        dynamics.AmpMaxPower = 1200.0F;
        dynamics.Balanced = 0;
        dynamics.SpeakerCountIndex = 2;
        dynamics.ExtraFlag = 1;
    }
    config.SubFeed[0] = SubFeedCoefficients{1.0, 0.0, 1.0, 0.0};
    config.SubFeed[1] = SubFeedCoefficients{0.0, 1.0, 0.0, 1.0};
    config.ResponseView = ResponseViewFlags{false, true, false, true, false};
    config.ImportFormat = 4;
    config.ImportReferenceLevel = 85.5F;
    return config;
}

/// A configuration as Open starts from: the state New configuration leaves.
inline Configuration ResetConfiguration() {
    Configuration config;
    NewConfiguration(config);
    return config;
}

/// The first `size` bytes of a record, in a buffer of exactly that size so that a read past
/// its end is caught by the address sanitizer.
inline std::vector<std::uint8_t> Cut(std::span<const std::uint8_t> record, std::size_t size) {
    return {record.begin(), record.begin() + static_cast<std::ptrdiff_t>(size)};
}

} // namespace quorvex::test
