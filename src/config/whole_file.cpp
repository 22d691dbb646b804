#include "config/whole_file.h"

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

/// Opens a new file in the target's folder under a name no other file has, so the target is
/// not touched until the content is complete. The name is short so that a target whose name
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
int WriteAndClose(FileHandle file, std::span<const std::uint8_t> bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
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

/// The file a path names once the symbolic links it ends in are followed. A link whose target
/// does not exist yet gives that target, so that saving creates it rather than replacing the
/// link; a relative link is taken from the folder the link lies in.
std::optional<fs::path> FollowLinks(fs::path path, std::error_code& failure) {
    constexpr int MostLinks = 40; // as the system's own limit on a chain of links
    for (int link = 0; link < MostLinks; ++link) {
        std::error_code absent;
        if (!fs::is_symlink(fs::symlink_status(path, absent))) {
            return path;
        }
        const fs::path named = fs::read_symlink(path, failure);
        if (failure) {
            return std::nullopt;
        }
        path = named.is_absolute() ? named : path.parent_path() / named;
    }
    failure = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return std::nullopt;
}

} // namespace

FileHead ReadFileHead(const fs::path& path, std::size_t limit) {
    FileHead head;
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        head.Error = SystemMessage(errno);
        return head;
    }
    head.Bytes.resize(limit);
    errno = 0;
    const std::size_t count = std::fread(head.Bytes.data(), 1, head.Bytes.size(), file.get());
    if (std::ferror(file.get()) != 0) {
        head.Error = SystemMessage(errno);
        head.Bytes.clear();
        return head;
    }
    head.Bytes.resize(count);
    return head;
}

std::optional<std::string> ReplaceFileContents(const fs::path& path,
                                               std::span<const std::uint8_t> bytes) {
    std::error_code failure;
    // Through a symbolic link the file it names is replaced, not the link.
    const std::optional<fs::path> linked = FollowLinks(path, failure);
    if (!linked) {
        return failure.message();
    }
    const fs::path& target = *linked;
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
    error = WriteAndClose(std::move(file), bytes);
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
