#pragma once

#include <cstddef>
#include <string>

namespace quorvex {

/// Largest measurement export read. The largest exports of the supported systems (64k-point
/// transfer functions) stay well below 4 MB; the limit keeps a wrongly chosen file (a disk
/// image, a recording) from being read whole into memory.
inline constexpr std::size_t MaxMeasurementFileBytes = std::size_t{16} * 1024 * 1024;

/// Most lines read from one export: far beyond any real export (a 64k-point transfer function
/// with its comments), and it bounds the line table of a file of nothing but line ends.
inline constexpr std::size_t MaxMeasurementLines = 262144;

enum class MeasurementFileStatus {
    Loaded,
    NotFound, ///< no regular file at the path, or it cannot be opened or read
    TooLarge, ///< more than MaxMeasurementFileBytes
};

struct MeasurementFile {
    MeasurementFileStatus Status = MeasurementFileStatus::NotFound;
    std::string Bytes; ///< the whole file when Loaded, empty otherwise
};

/// Reads a measurement file whole. Devices, pipes and folders count as not found, so
/// choosing one can never block the program or read without end.
MeasurementFile LoadMeasurementFile(const std::string& path);

} // namespace quorvex
