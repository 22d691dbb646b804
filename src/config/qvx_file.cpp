#include "config/qvx_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

namespace quorvex {

namespace {

namespace fs = std::filesystem;

constexpr fs::perms AnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

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

/// Opens a new file in the target's folder under a name no other file has, so the target is
/// not touched until the record is complete. The name is short so that a target whose name
/// is near the system's limit can still be saved.
FileHandle CreateTemporaryBeside(const fs::path& target, fs::path& temporary, int& error) {
    constexpr int Attempts = 100;
    std::random_device seed;
    std::mt19937 generator(seed());
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        temporary =
            target.parent_path() / ("~qvx" + std::to_string(generator() % 1000000U) + ".tmp");
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

std::optional<std::string> WriteConfigurationFile(const fs::path& path, const QvxRecord& record) {
    std::error_code failure;
    // Through a symbolic link the file it names is replaced, not the link.
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, failure))) {
        target = fs::weakly_canonical(path, failure);
        if (failure) {
            return failure.message();
        }
    }
    // A replaced file keeps its permissions, and one that nobody may write stays as it is,
    // as overwriting it in place would.
    const fs::file_status existing = fs::status(target, failure);
    const bool replacing = fs::is_regular_file(existing);
    if (replacing && (existing.permissions() & AnyWrite) == fs::perms::none) {
        return SystemMessage(EACCES);
    }

    fs::path temporary;
    int error = 0;
    FileHandle file = CreateTemporaryBeside(target, temporary, error);
    if (!file) {
        return SystemMessage(error);
    }
    error = WriteAndClose(std::move(file), record);
    if (error == 0 && replacing) {
        fs::permissions(temporary, existing.permissions(), failure);
        error = failure.value();
    }
    if (error == 0) {
        fs::rename(temporary, target, failure);
        error = failure.value();
    }
    if (error != 0) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return SystemMessage(error);
    }
    return std::nullopt;
}

} // namespace quorvex
