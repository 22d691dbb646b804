#include "config/new_configuration.h"

#include "config/configuration.h"
#include "config/route.h"

namespace quorvex {

void ResetLevels(Configuration& config) {
    for (auto& output : config.Outputs) {
        output.Level = LevelSetting{};
    }
    config.SubFeed = {SubFeedCoefficients{}, SubFeedCoefficients{}};
}

void ResetCrossovers(Configuration& config) {
    for (int output = 1; output <= OutputCount; ++output) {
        config.Output(output).Crossover = DefaultCrossoverSetting(output);
    }
}

void ResetEqualisers(Configuration& config) {
    config.SampleRate = ProcessorSampleRate;
    for (auto& output : config.Outputs) {
        output.BandStorage.fill(PeqBand{});
        output.BandsInUse = 2;
    }
}

void ResetDynamics(Configuration& config) {
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        config.Block(block) = DefaultDynamicsSetting(block);
    }
}

void ResetDelays(Configuration& config) {
    for (auto& output : config.Outputs) {
        output.Delay.DelaySamples = 0;
    }
    ResetRelativeDistances(config);
    config.TemperatureC = 25;
}

void ResetSystemInfo(Configuration& config) {
    config.SystemInfo.ProjectName.clear();
    config.SystemInfo.Engineer.clear();
    config.SystemInfo.Comments.clear();
}

void ResetNames(Configuration& config) {
    config.SystemInfo.SystemName = "NoName";
    config.InputNames = {"In1", "In2"};
    config.OutputNames = {"Out1", "Out2", "Out3", "Out4", "SUB1", "SUB2"};
    constexpr std::array<std::int32_t, OutputCount> routes{RouteA, RouteB,  RouteA,
                                                           RouteB, RouteAB, RouteAB};
    for (int output = 1; output <= OutputCount; ++output) {
        SetRoute(config, output, routes[static_cast<std::size_t>(output - 1)]);
    }
}

void ResetImportData(Configuration& config) {
    for (auto& output : config.Outputs) {
        output.SpeakerFile.clear();
    }
    config.ImportReferenceLevel = 90.0F;
    config.ResponseView.SpeakerDataView = true;
    config.ResponseView.PeqView = true;
    config.ResponseView.CrossoverView = true;
    config.ResponseView.GainView = true;
}

void ResetRelativeDistances(Configuration& config) {
    for (auto& output : config.Outputs) {
        output.Delay.RelativeDistanceSamples = 0;
    }
}

void ApplyNewConfigurationStep(Configuration& config, int index) {
    switch (index) {
    case 0:
        ResetLevels(config);
        break;
    case 1:
        ResetCrossovers(config);
        break;
    case 2:
        ResetEqualisers(config);
        break;
    case 3:
        ResetDynamics(config);
        break;
    case 4:
        ResetDelays(config);
        break;
    case 5:
        break; // the sub reinforcement filters are program state, reset by the caller
    case 6:
        ResetSystemInfo(config);
        break;
    case 7:
        ResetNames(config);
        break;
    case 8:
        ResetImportData(config);
        break;
    case 9:
        ResetRelativeDistances(config);
        break;
    default:
        break;
    }
}

void NewConfiguration(Configuration& config, const NewConfigurationProgress& progress) {
    for (int index = 0; index < static_cast<int>(NewConfigurationSteps.size()); ++index) {
        const auto& step = NewConfigurationSteps[static_cast<std::size_t>(index)];
        if (progress) {
            progress(step.Percent, step.Text);
        }
        ApplyNewConfigurationStep(config, index);
    }
}

} // namespace quorvex
