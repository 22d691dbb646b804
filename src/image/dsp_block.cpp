#include "image/dsp_block.h"

#include "config/configuration.h"
#include "engine/engine_objects.h"
#include "image/coefficient_word.h"
#include "image/integer_word.h"
#include "image/settings_fields.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace quorvex {

namespace {

void PutWord(DspBlockBytes& block, int address, const WordBytes& word) {
    std::copy(word.begin(), word.end(),
              block.begin() + static_cast<std::ptrdiff_t>(address * WordByteCount));
}

void PutCoefficient(DspBlockBytes& block, int address, long double value) {
    PutWord(block, address, EncodeCoefficientWord(value));
}

void PutInteger(DspBlockBytes& block, int address, std::int32_t value) {
    PutWord(block, address, EncodeIntegerWord(value));
}

void PutSection(DspBlockBytes& block, int address, const TSOS& section) {
    const std::array<long double, SectionWordCount> coefficients{section.b0, section.b1, section.b2,
                                                                 section.a1, section.a2};
    for (int k = 0; k < SectionWordCount; ++k) {
        PutCoefficient(block, address + k, coefficients[static_cast<std::size_t>(k)]);
    }
}

// The image takes the first two sections of a filter, the second before the first.
void PutCrossoverFilter(DspBlockBytes& block, int address, const TXOVERPB& filter) {
    PutSection(block, address, filter.Sections[1]);
    PutSection(block, address + SectionWordCount, filter.Sections[0]);
}

void PutDynamicsBlock(DspBlockBytes& block, int base, const DynamicsSetting& settings,
                      const TDYNAMIC& design) {
    for (int j = 0; j < GainTableSize; ++j) {
        PutCoefficient(block, base + DynamicsGainTableOffset + j,
                       design.GainTable[static_cast<std::size_t>(j)]);
    }
    PutCoefficient(block, base + DynamicsRmsCoefficientOffset, settings.RmsCoefficient);
    PutCoefficient(block, base + DynamicsDetectorConstantOffset, design.DetectorConstant);
    PutInteger(block, base + DynamicsHoldOffset, settings.HoldSamples);
    PutInteger(block, base + DynamicsDecayOffset, settings.DecaySteps);
}

void PutOutput(DspBlockBytes& block, const Configuration& config, const EngineObjects& objects,
               int dsp, int position) {
    const int output = OutputAt(dsp, position);
    const auto index = static_cast<std::size_t>(output - 1);
    const OutputChannel& channel = config.Output(output);

    PutCoefficient(block, RouteGainAWord(position), config.RouteGainA[index]);
    PutCoefficient(block, RouteGainBWord(position), config.RouteGainB[index]);
    for (int band = 1; band <= BandCountOf(output); ++band) {
        PutSection(block, EqualiserSectionWord(position, band), objects.Band(output, band));
    }
    const TXOVER& crossover = objects.Crossover(output);
    PutCrossoverFilter(block, CrossoverFilterWord(position, true), crossover.LowPass);
    if (!IsSubOutput(output)) {
        PutCrossoverFilter(block, CrossoverFilterWord(position, false), crossover.HighPass);
    }
    PutInteger(block, DelayWord(position), StoredDelay(channel.Delay.DelaySamples) + 1);
    PutCoefficient(block, OutputGainWord(position), OutputGainValue(channel.Level));
}

} // namespace

DspBlockBytes BuildDspBlock(const Configuration& config, const EngineObjects& objects, int dsp) {
    assert(dsp == 1 || dsp == 2);
    DspBlockBytes block{};
    for (int position = 1; position <= 3; ++position) {
        PutOutput(block, config, objects, dsp, position);
    }

    const SubFeedCoefficients& feed = config.SubFeed.at(static_cast<std::size_t>(dsp - 1));
    const std::array<double, SubFeedWordCount> feedValues{feed.P, feed.Q, feed.R, feed.S};
    for (int k = 0; k < SubFeedWordCount; ++k) {
        PutCoefficient(block, SubFeedWord + k, feedValues[static_cast<std::size_t>(k)]);
    }

    const int pairBlock = dsp;
    PutDynamicsBlock(block, DynamicsPairBlockWord, config.Block(pairBlock),
                     objects.Block(pairBlock));
    PutDynamicsBlock(block, DynamicsSubBlockWord, config.Block(3), objects.Block(3));

    PutInteger(block, FixedWord, FixedWordValue);
    // Words 223..254 stay zero from the initialisation: the coefficient word of 0.
    return block;
}

} // namespace quorvex
