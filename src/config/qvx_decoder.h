#pragma once

#include "config/qvx_record_kind.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace quorvex {

struct Configuration;

// Decoding a configuration file record into a Configuration that New configuration has just
// reset. The bytes may be a whole current record, an older shorter one, or anything at all:
// a field the bytes do not hold keeps the value the caller's reset gave it, texts are cut to
// their capacity and to the bytes present, and nothing is read past the end. Every number is
// brought into the range its editor keeps it in (config/field_ranges.h), as the temperature is
// brought into 0..50; a NaN or an infinity keeps the reset value, and a number whose editor
// sets no range is taken as stored only when finite. Open thus passes on nothing an editor
// would refuse.

/// Project name, engineer, comments, system name, temperature, the eight names, DelaySamples.
void ReadVersionAndHeader(std::span<const std::uint8_t> record, Configuration& config);
/// The equaliser bands of all outputs. BandsInUse in the file is ignored.
void ReadPeqs(std::span<const std::uint8_t> record, Configuration& config);
/// Polarity and mute flags (with PolaritySign and MuteFactor following them), then GainFactor.
void ReadGainsAndPolarity(std::span<const std::uint8_t> record, Configuration& config);
/// The six crossover records, then the solo flags.
void ReadCrossOvers(std::span<const std::uint8_t> record, Configuration& config);
/// The three dynamics records (the gates come with the import settings).
void ReadDinamics(std::span<const std::uint8_t> record, Configuration& config);
/// Each route code minus 1 into Route (CycleRoute per output finishes the restore), the route
/// factors and sub-feed coefficients as value / 10, the five response view flags. A code
/// outside 0..2 is first reduced modulo 3, which is where cycling would take it anyway.
void ReadSubRoute(std::span<const std::uint8_t> record, Configuration& config);
/// Speaker file names, ImportFormat, ImportReferenceLevel, RelativeDistanceSamples and the
/// gate position and slope of each block; records shorter than 2688 bytes give every block
/// gate position 13 and slope 4.
void ReadImportFileRoute(std::span<const std::uint8_t> record, Configuration& config);

/// One reading step of Open: its progress percentage, its step text and what it reads.
struct QvxReadStep {
    int Percent;
    std::string_view Text;
    void (*Read)(std::span<const std::uint8_t> record, Configuration& config);
};

/// The reading steps of Open, in order. The caller shows each text, lets pending messages
/// run, then calls Read. The updating steps that follow (delays, gains, ...) are the editors'.
inline constexpr std::array<QvxReadStep, 7> QvxReadSteps{{
    {0, "Reading VERSION and HEADER...", ReadVersionAndHeader},
    {5, "Reading PEQs...", ReadPeqs},
    {10, "Reading Gains, and Polarity...", ReadGainsAndPolarity},
    {15, "Reading CrossOvers...", ReadCrossOvers},
    {20, "Reading Dinamics...", ReadDinamics},
    {25, "Reading Sub Route...", ReadSubRoute},
    {28, "Reading Import File Route...", ReadImportFileRoute},
}};

using QvxReadProgress = std::function<void(int percent, std::string_view text)>;

/// Classifies the bytes and, unless they are not a Quorvex record, runs every reading step
/// and then CycleRoute for outputs 1 to 6, so routes and route factors are those of the
/// stored codes. For tools and tests; Open itself interleaves the editors' updates.
QvxRecordKind LoadConfigurationRecord(std::span<const std::uint8_t> record, Configuration& config,
                                      const QvxReadProgress& progress = {});

} // namespace quorvex
