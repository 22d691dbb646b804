#include "engine/engine_objects.h"

namespace quorvex {

namespace {

void DesignBands(OutputChannel& channel, int output, EngineObjects& objects) {
    for (int band = 1; band <= BandCountOf(output); ++band) {
        PeqBand& stored = channel.Band(band);
        TSOS& section = objects.Band(output, band);
        static_cast<PeqBand&>(section) = stored;
        // Design leaves the coefficients of codes it does not handle as they were; starting
        // from pass-through keeps the result a function of the configuration alone.
        section.Reset();
        section.Design();
        stored = section; // the designs of some types reset Gain or set FilterType
    }
}

CrossoverDesignResult DesignSide(TXOVERPB& filter, double frequency) {
    filter.Frequency = frequency;
    // Families 7 and 8 keep their sections' own frequencies; the others start from the
    // crossover frequency, which a Bessel design then scales in place. All three start there:
    // a Bessel of order 5 or 6 scales the third too, and would otherwise move it further on
    // every design.
    if (filter.Family <= 6) {
        for (TSOS& section : filter.Sections) {
            section.Frequency = frequency;
        }
    }
    return filter.DesignCrossover();
}

void DesignCrossoverSide(CrossoverSection& stored, TXOVERPB& filter) {
    filter.Family = stored.Family;
    filter.Order = stored.Order;
    const CrossoverDesignResult result = DesignSide(filter, stored.Frequency);
    if (result.Outcome == CrossoverDesignOutcome::BesselLimited) {
        DesignSide(filter, result.MaximumFrequency);
    }
    // A Linkwitz-Riley design raises an odd order; a Bessel limit lowers the frequency.
    stored = filter;
}

void DesignDynamics(DynamicsSetting& stored, TDYNAMIC& block) {
    block.Settings() = stored;
    block.DesignCurve();
    block.ComposeGainTable();
    stored = block.Settings();
}

} // namespace

void DesignAll(Configuration& config, EngineObjects& objects) {
    for (int output = 1; output <= OutputCount; ++output) {
        OutputChannel& channel = config.Output(output);
        DesignBands(channel, output, objects);
        TXOVER& crossover = objects.Crossover(output);
        DesignCrossoverSide(channel.Crossover.HighPass, crossover.HighPass);
        DesignCrossoverSide(channel.Crossover.LowPass, crossover.LowPass);
    }
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        DesignDynamics(config.Block(block), objects.Block(block));
    }
}

} // namespace quorvex
