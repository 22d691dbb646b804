#include "cli/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quorvex {

namespace {

std::string SystemMessage(int error) {
    // A call that failed without saying why must still not report "Success".
    return std::generic_category().message(error != 0 ? error : EIO);
}

/// mkstemp creates a file for its owner only; an output file gets the mode any new file
/// of the user gets.
bool GiveUsualMode(int descriptor) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(descriptor, 0666 & ~mask) == 0;
}

/// Writes every byte to the descriptor and closes it; the error number, or 0.
int WriteAllAndClose(int descriptor, std::span<const std::uint8_t> bytes) {
    std::size_t written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            break;
        }
        written += static_cast<std::size_t>(count);
    }
    if (error == 0 && ::fsync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

} // namespace

std::optional<std::string> WriteOutputFile(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes) {
    std::string temporary = path.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return SystemMessage(errno);
    }
    int error = GiveUsualMode(descriptor) ? 0 : errno;
    if (error == 0) {
        error = WriteAllAndClose(descriptor, bytes);
    } else {
        ::close(descriptor);
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return SystemMessage(error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return SystemMessage(renameError);
    }
    return std::nullopt;
}

InputFile ReadInputFile(const std::filesystem::path& path, std::size_t limit) {
    InputFile input;
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        input.Error = SystemMessage(errno);
        return input;
    }
    input.Bytes.resize(limit + 1);
    const std::size_t count = std::fread(input.Bytes.data(), 1, input.Bytes.size(), file);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        input.Error = SystemMessage(error);
    } else if (count > limit) {
        input.Error = SystemMessage(EFBIG);
    }
    input.Bytes.resize(failed || count > limit ? 0 : count);
    return input;
}

} // namespace quorvex
