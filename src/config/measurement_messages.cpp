#include "config/measurement_messages.h"

#include "config/measurement_file.h"

namespace quorvex {

namespace {

constexpr std::size_t ShownTextLength = 40;

std::string_view ColumnName(MeasurementColumn column) {
    switch (column) {
    case MeasurementColumn::Frequency:
        return "frequency";
    case MeasurementColumn::Magnitude:
        return "magnitude";
    case MeasurementColumn::Phase:
        return "phase";
    }
    return "frequency";
}

ColumnSpan SpanOf(const MeasurementLayout& layout, MeasurementColumn column) {
    switch (column) {
    case MeasurementColumn::Frequency:
        return layout.Frequency;
    case MeasurementColumn::Magnitude:
        return layout.Magnitude;
    case MeasurementColumn::Phase:
        return layout.Phase;
    }
    return {};
}

/// The offending text as a message box can show it: control bytes as "?", long texts cut.
std::string Printable(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, ShownTextLength)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += (byte < 0x20 || byte == 0x7F) ? '?' : c;
    }
    if (text.size() > ShownTextLength) {
        shown += "...";
    }
    return shown;
}

std::string AtLine(std::string_view fieldText, int lineNumber) {
    return std::string(fieldText) + ", line " + std::to_string(lineNumber) + ": ";
}

} // namespace

std::string NotValidExportMessage(std::string_view fieldText, const MeasurementLayout& layout) {
    return std::string(fieldText) + " is not a valid " + std::string(layout.MessageName) +
           " exported data file.";
}

std::string ReadFaultMessage(std::string_view fieldText, const MeasurementLayout& layout,
                             const MeasurementReadFault& fault) {
    switch (fault.Kind) {
    case MeasurementFault::NotANumber:
        return AtLine(fieldText, fault.LineNumber) + "'" + Printable(fault.Text) +
               "' is not a valid floating point value.";
    case MeasurementFault::MissingValue: {
        std::string message = AtLine(fieldText, fault.LineNumber) + "the " +
                              std::string(ColumnName(fault.Column)) + " value is missing";
        const ColumnSpan span = SpanOf(layout, fault.Column);
        if (layout.Layout == LineLayout::FixedColumns && span.Present()) {
            message +=
                " (columns " + std::to_string(span.First) + "-" + std::to_string(span.Last) + ")";
        }
        return message + ".";
    }
    case MeasurementFault::FrequencyNotAscending:
        return AtLine(fieldText, fault.LineNumber) +
               "the frequency is not higher than on the data line before.";
    case MeasurementFault::TooFewDataLines:
        return std::string(fieldText) + " holds fewer than two data lines.";
    }
    return std::string(fieldText) + " holds fewer than two data lines.";
}

std::string FileFaultMessage(std::string_view fieldText, MeasurementFileFault fault) {
    const std::string field(fieldText);
    switch (fault) {
    case MeasurementFileFault::Empty:
        return field + " is empty.";
    case MeasurementFileFault::NotText:
        return field + " is not a text file.";
    case MeasurementFileFault::TooLarge:
        return field + " is larger than " +
               std::to_string(MaxMeasurementFileBytes / (1024 * 1024)) +
               " MB: it is not a measurement export.";
    case MeasurementFileFault::TooManyLines:
        return field + " has more than " + std::to_string(MaxMeasurementLines) +
               " lines: it is not a measurement export.";
    case MeasurementFileFault::NoSensitivity:
        return field + " cannot be converted from dBu: the microphone sensitivity must be above 0.";
    }
    return field + " is not a text file.";
}

std::string UnknownFormatMessage(std::string_view fieldText, std::int32_t format) {
    return std::string(fieldText) + " cannot be imported: " + std::to_string(format) +
           " is not a measurement format code.";
}

} // namespace quorvex
