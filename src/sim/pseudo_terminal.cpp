#include "sim/pseudo_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace quorvex {

namespace {

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool SetLineSettings(int descriptor) {
    termios settings{};
    if (tcgetattr(descriptor, &settings) != 0) {
        return false;
    }
    cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    return tcsetattr(descriptor, TCSANOW, &settings) == 0;
}

bool AddDescriptorFlags(int descriptor, int statusFlags) {
    const int flags = fcntl(descriptor, F_GETFL);
    return flags >= 0 && fcntl(descriptor, F_SETFL, flags | statusFlags) == 0 &&
           fcntl(descriptor, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

std::unique_ptr<PseudoTerminal> PseudoTerminal::Open(std::string& error) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        error = SystemError("Cannot open a pseudo-terminal");
        return nullptr;
    }
    char path[256] = {};
    if (grantpt(master) != 0 || unlockpt(master) != 0 ||
        ptsname_r(master, path, sizeof path) != 0 || !AddDescriptorFlags(master, O_NONBLOCK)) {
        error = SystemError("Cannot prepare the pseudo-terminal");
        close(master);
        return nullptr;
    }
    const int slave = open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0 || !SetLineSettings(slave)) {
        error = SystemError(std::string("Cannot set up ") + path);
        if (slave >= 0) {
            close(slave);
        }
        close(master);
        return nullptr;
    }
    return std::unique_ptr<PseudoTerminal>(new PseudoTerminal(master, slave, path));
}

PseudoTerminal::PseudoTerminal(int master, int slave, std::string path)
    : master_(master), slave_(slave), path_(std::move(path)) {}

PseudoTerminal::~PseudoTerminal() {
    Close();
}

void PseudoTerminal::Close() {
    if (slave_ >= 0) {
        close(slave_);
        slave_ = -1;
    }
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}

} // namespace quorvex
