#include "config/measurement_file.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quorvex {

MeasurementFile LoadMeasurementFile(const std::string& path) {
    MeasurementFile file;
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        return file;
    }
    const std::uintmax_t reportedSize = std::filesystem::file_size(path, error);
    if (!error && reportedSize > MaxMeasurementFileBytes) {
        file.Status = MeasurementFileStatus::TooLarge;
        return file;
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return file;
    }
    std::string bytes;
    if (!error) {
        bytes.reserve(static_cast<std::size_t>(reportedSize));
    }
    // The reported size only sizes the buffer: the file may grow while it is read, so the
    // limit is kept on what actually arrives.
    std::array<char, 65536> chunk{};
    while (stream) {
        stream.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(stream.gcount()));
        if (bytes.size() > MaxMeasurementFileBytes) {
            file.Status = MeasurementFileStatus::TooLarge;
            return file;
        }
    }
    if (stream.bad()) {
        return file;
    }
    file.Status = MeasurementFileStatus::Loaded;
    file.Bytes = std::move(bytes);
    return file;
}

} // namespace quorvex
