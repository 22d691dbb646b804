#include "config/qvx_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

namespace quorvex {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemMessage(int error) {
    // A library that failed without saying why still must not report "Success".
    return std::generic_category().message(error != 0 ? error : EIO);
}

QvxFileContents ReadFailure(int error) {
    QvxFileContents contents;
    contents.Error = SystemMessage(error);
    return contents;
}

/// Opens a new file beside the target under a name no other file has, so the target is not
/// touched until the record is complete.
FileHandle CreateTemporaryBeside(const std::filesystem::path& target,
                                 std::filesystem::path& temporary, int& error) {
    constexpr int Attempts = 100;
    std::random_device seed;
    std::mt19937 generator(seed());
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        temporary = target;
        temporary += "." + std::to_string(generator() % 1000000U) + ".tmp";
        errno = 0;
        FileHandle file(std::fopen(temporary.c_str(), "wbx"));
        if (file) {
            return file;
        }
        error = errno;
        if (error != EEXIST) {
            break;
        }
    }
    return nullptr;
}

/// Writes and closes; the system's error number, or 0 when everything reached the file.
int WriteAndClose(FileHandle file, const QvxRecord& record) {
    errno = 0;
    if (std::fwrite(record.data(), 1, record.size(), file.get()) != record.size() ||
        std::fflush(file.get()) != 0) {
        const int error = errno;
        return error != 0 ? error : EIO;
    }
    errno = 0;
    if (std::fclose(file.release()) != 0) {
        const int error = errno;
        return error != 0 ? error : EIO;
    }
    return 0;
}

} // namespace

QvxFileContents ReadConfigurationFile(const std::filesystem::path& path) {
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return ReadFailure(errno);
    }
    QvxFileContents contents;
    contents.Bytes.resize(qvx::RecordSize + 1);
    errno = 0;
    const std::size_t count =
        std::fread(contents.Bytes.data(), 1, contents.Bytes.size(), file.get());
    if (std::ferror(file.get()) != 0) {
        return ReadFailure(errno);
    }
    contents.Bytes.resize(count);
    contents.Layout = QvxLayoutOfSize(count);
    return contents;
}

std::optional<std::string> WriteConfigurationFile(const std::filesystem::path& path,
                                                  const QvxRecord& record) {
    std::filesystem::path temporary;
    int error = 0;
    FileHandle file = CreateTemporaryBeside(path, temporary, error);
    if (!file) {
        return SystemMessage(error);
    }
    error = WriteAndClose(std::move(file), record);
    if (error != 0) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return SystemMessage(error);
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return renamed.message();
    }
    return std::nullopt;
}

} // namespace quorvex
