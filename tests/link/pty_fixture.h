#pragma once

#include "counting_loop.h"
#include "link/communication_window.h"
#include "link/device_operations.h"
#include "link/serial_byte_link.h"
#include "pty_unit.h"
#include "recording_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvex::test {

/// The program's side of a COM link to the virtual processor on a real pseudo-terminal,
/// with every write recorded.
class OverPty : public ::testing::Test {
protected:
    explicit OverPty(PtyRunnerOptions options = {}) : unit(std::move(options)) {}

    bool StatusShown(const std::string& text) const {
        const std::vector<std::string>& lines = window.StatusLines();
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    }

    PtyUnit unit;
    SerialByteLink serial{"COM1", unit.Path()};
    RecordingLink link{serial};
    CommunicationWindow window;
    CountingLoop loop;
    DeviceOperations operations{link, window, loop};
    TransferProtocol& protocol = operations.Protocol();
};

/// Concatenates the writes of several transactions.
inline std::vector<Bytes> Then(std::vector<Bytes> first, const std::vector<Bytes>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace quorvex::test
