// Damaged measurement exports, one format code per run (the first input byte, taken as signed
// so that codes outside the table come too): the data-line reader, and the whole import onto
// the program's response grid.

#include "fuzz_check.h"

#include "config/measurement_file.h"
#include "config/measurement_formats.h"
#include "config/measurement_import.h"
#include "config/measurement_parser.h"
#include "config/text_lines.h"
#include "engine/response_grid.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvex::fuzz {
namespace {

bool AllFinite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

void RequireUsablePoints(const MeasurementRead& read) {
    const MeasurementPoints& points = read.Points;
    if (read.Fault) {
        const bool lineFault = read.Fault->Kind != MeasurementFault::TooFewDataLines;
        Require(!lineFault || read.Fault->LineNumber >= 1, "a line fault names its line");
        return;
    }
    Require(points.FrequencyHz.size() >= 2, "at least two data lines");
    Require(points.MagnitudeDb.size() == points.FrequencyHz.size() &&
                points.Phase.size() == points.FrequencyHz.size(),
            "one magnitude and one phase per frequency");
    Require(AllFinite(points.FrequencyHz) && AllFinite(points.MagnitudeDb) &&
                AllFinite(points.Phase),
            "finite points");
    Require(std::adjacent_find(points.FrequencyHz.begin(), points.FrequencyHz.end(),
                               [](double a, double b) { return b <= a; }) ==
                points.FrequencyHz.end(),
            "frequencies strictly rising");
}

void ReadDataLines(std::int32_t code, std::string_view text) {
    const auto lines = SplitLines(text, MaxMeasurementLines);
    if (!lines) {
        return;
    }
    if (const MeasurementLayout* layout = RecogniseLayout(code, *lines)) {
        RequireUsablePoints(ReadMeasurementPoints(*lines, *layout));
    }
}

void RequireUsableImport(const SpeakerImportResult& result, std::size_t gridSize) {
    const SpeakerCurve& curve = result.Curve;
    if (result.Status == SpeakerImportStatus::OutOfMemory) {
        Require(!result.Message.empty(), "running out of memory is said");
        return;
    }
    Require(curve.MagnitudeDb.size() == gridSize && curve.PhaseRadians.size() == gridSize,
            "one curve entry per grid point");
    const auto finite = [](float v) { return std::isfinite(v); };
    Require(std::all_of(curve.MagnitudeDb.begin(), curve.MagnitudeDb.end(), finite) &&
                std::all_of(curve.PhaseRadians.begin(), curve.PhaseRadians.end(), finite),
            "finite curve");
    if (result.Status == SpeakerImportStatus::Imported) {
        Require(result.Message.empty(), "an import that worked shows no box");
        return;
    }
    Require(result.Status == SpeakerImportStatus::Refused ||
                result.Status == SpeakerImportStatus::Failed,
            "a text import is imported, refused or failed");
    Require(!result.Message.empty(), "a refused or failed import says why");
    const auto zero = [](float v) { return v == 0.0F; };
    Require(std::all_of(curve.MagnitudeDb.begin(), curve.MagnitudeDb.end(), zero) &&
                std::all_of(curve.PhaseRadians.begin(), curve.PhaseRadians.end(), zero),
            "a refused or failed import leaves no curve");
}

} // namespace
} // namespace quorvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    using namespace quorvex::fuzz;
    if (size == 0) {
        return 0;
    }
    const std::int32_t code = static_cast<std::int8_t>(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    ReadDataLines(code, text);

    const auto& grid = TheResponseGrid().FrequencyHz;
    SpeakerImportSettings settings;
    settings.Format = code;
    RequireUsableImport(ImportMeasurementText(text, "fuzz.txt", settings, grid), grid.size());
    return 0;
}
