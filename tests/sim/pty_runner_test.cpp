#include "sim/memory_files.h"
#include "sim/pty_runner.h"

#include "unit_dialogue.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <thread>

namespace quorvex {
namespace {

using test::Bytes;
using test::PatternImage;

/// The program's side of the line: the terminal opened raw at 9600 8N1, no handshake.
class ProgramPort {
public:
    explicit ProgramPort(const std::string& path) {
        descriptor_ = open(path.c_str(), O_RDWR | O_NOCTTY);
        if (descriptor_ < 0) {
            return;
        }
        termios settings{};
        tcgetattr(descriptor_, &settings);
        cfmakeraw(&settings);
        settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
        settings.c_cflag |= CS8 | CLOCAL | CREAD;
        settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF);
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
        tcsetattr(descriptor_, TCSANOW, &settings);
    }
    ~ProgramPort() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }
    bool IsOpen() const { return descriptor_ >= 0; }

    void Write(std::span<const std::uint8_t> bytes) const {
        ASSERT_EQ(write(descriptor_, bytes.data(), bytes.size()),
                  static_cast<ssize_t>(bytes.size()));
    }

    /// Reads exactly `count` bytes, or fewer when none arrives for two seconds (the
    /// program's own reply wait) or the line hangs up.
    Bytes Read(std::size_t count) const {
        Bytes bytes;
        while (bytes.size() < count) {
            pollfd descriptor{descriptor_, POLLIN, 0};
            if (poll(&descriptor, 1, 2000) <= 0 || (descriptor.revents & POLLIN) == 0) {
                break;
            }
            std::uint8_t buffer[256];
            const ssize_t got =
                read(descriptor_, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (got <= 0) {
                break;
            }
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        return bytes;
    }

    /// Sends the bytes, then waits for exactly `answerCount` bytes.
    Bytes Exchange(std::span<const std::uint8_t> bytes, std::size_t answerCount) const {
        Write(bytes);
        return Read(answerCount);
    }
    Bytes Exchange(std::initializer_list<std::uint8_t> bytes, std::size_t answerCount) const {
        return Exchange(Bytes(bytes), answerCount);
    }

private:
    int descriptor_ = -1;
};

/// A runner serving on its own thread for the length of a test.
class ServedUnit {
public:
    explicit ServedUnit(PtyRunnerOptions options) {
        runner_ = PtyRunner::Open(std::move(options), error_);
    }
    ~ServedUnit() { Stop(); }

    PtyRunner* Runner() { return runner_.get(); }
    const std::string& Error() const { return error_; }

    void Start() {
        thread_ = std::thread([this] { result_ = runner_->Serve(stop_); });
    }
    ServeResult Stop() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return result_;
    }

private:
    std::unique_ptr<PtyRunner> runner_;
    std::string error_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    ServeResult result_;
};

/// Writes `image` to `memory` as the program does, step by step, checking every answer.
void WriteMemory(const ProgramPort& port, std::uint8_t memory, const Bytes& image) {
    EXPECT_EQ(port.Exchange({0x85}, 1), Bytes{0x85});
    EXPECT_EQ(port.Exchange({0x03}, 1), Bytes{0x03});
    EXPECT_EQ(port.Exchange({memory}, 1), Bytes{memory});
    EXPECT_EQ(port.Exchange({memory, 0x07, 0xFE}, 1), Bytes{0xFE});
    for (std::size_t block = 0; block < 32; ++block) {
        const auto bytes = test::Block(image, block);
        EXPECT_EQ(port.Exchange(bytes, 1), Bytes{bytes.back()}) << "block " << block;
    }
    EXPECT_EQ(port.Exchange({0x55}, 1), Bytes{0x55});
}

/// Reads `memory` back as the program does; the image received.
Bytes ReadMemory(const ProgramPort& port, std::uint8_t memory) {
    EXPECT_EQ(port.Exchange({0x85, 0x04, memory, memory, 0x00, 0x00, 0x55}, 5),
              (Bytes{0x85, 0x04, memory, 0x00, 0x55}));
    EXPECT_EQ(port.Exchange({0x85}, 1), Bytes{0x85});
    EXPECT_EQ(port.Exchange({0x85}, 1), Bytes{0x04});
    EXPECT_EQ(port.Exchange({0x04}, 1), Bytes{memory});
    EXPECT_EQ(port.Exchange({memory}, 1), Bytes{0x07});
    EXPECT_EQ(port.Exchange({0x07}, 1), Bytes{0xFE});
    Bytes image;
    std::uint8_t echo = 0xFE;
    for (std::size_t block = 0; block < 32; ++block) {
        const Bytes bytes = port.Exchange({echo}, block < 31 ? 64 : 62);
        if (bytes.empty()) {
            ADD_FAILURE() << "no block " << block;
            return image;
        }
        image.insert(image.end(), bytes.begin(), bytes.end());
        echo = bytes.back();
    }
    EXPECT_EQ(port.Exchange({echo}, 1), Bytes{0x55});
    port.Write(Bytes{0x55});
    return image;
}

TEST(PtyRunner, AWriteAndAReadOverARealTerminal) {
    ServedUnit unit({});
    ASSERT_NE(unit.Runner(), nullptr) << unit.Error();
    EXPECT_EQ(unit.Runner()->TerminalPath().rfind("/dev/", 0), 0U);
    unit.Start();
    ProgramPort port(unit.Runner()->TerminalPath());
    ASSERT_TRUE(port.IsOpen());

    const Bytes image = PatternImage(42);
    WriteMemory(port, 30, image);
    EXPECT_EQ(port.Exchange({0x85, 0x07, 30, 30, 0x00, 0x00, 0x55}, 5),
              (Bytes{0x85, 0x07, 30, 0x00, 0x55}));
    EXPECT_EQ(ReadMemory(port, 30), image);

    EXPECT_EQ(unit.Stop().End, ServeEnd::Stopped);
    EXPECT_EQ(unit.Runner()->Processor().CurrentMemory(), 30);
}

TEST(PtyRunner, TheProgramMayCloseAndReopenThePortBetweenTransactions) {
    ServedUnit unit({});
    ASSERT_NE(unit.Runner(), nullptr) << unit.Error();
    unit.Start();
    const Bytes test{0x85, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55};
    for (int round = 0; round < 3; ++round) {
        ProgramPort port(unit.Runner()->TerminalPath());
        ASSERT_TRUE(port.IsOpen());
        EXPECT_EQ(port.Exchange(test, 5), (Bytes{0x85, 0x00, 0x00, 0x00, 0x55})) << round;
    }
}

TEST(PtyRunner, PacedOutputCarriesTheSameBytes) {
    PtyRunnerOptions options;
    options.PaceOutput = true;
    ServedUnit unit(options);
    ASSERT_NE(unit.Runner(), nullptr) << unit.Error();
    unit.Start();
    ProgramPort port(unit.Runner()->TerminalPath());
    EXPECT_EQ(port.Exchange({0x85, 0x13, 0x00, 0x00, 0x00, 0x00, 0x55}, 5),
              (Bytes{0x85, 0x13, 1, 0x00, 0x55}));
}

TEST(PtyRunner, PacedUnitAnswersABlockOnlyOnceTheLineCouldHaveCarriedIt) {
    PtyRunnerOptions options;
    options.PaceOutput = true;
    ServedUnit unit(options);
    ASSERT_NE(unit.Runner(), nullptr) << unit.Error();
    unit.Start();
    ProgramPort port(unit.Runner()->TerminalPath());
    // A write to memory 30 up to its first data block.
    ASSERT_EQ(port.Exchange({0x85}, 1), Bytes{0x85});
    ASSERT_EQ(port.Exchange({0x03}, 1), Bytes{0x03});
    ASSERT_EQ(port.Exchange({30}, 1), Bytes{30});
    ASSERT_EQ(port.Exchange({30, 0x07, 0xFE}, 1), Bytes{0xFE});

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Exchange(Bytes(64, 0x5A), 1).size(), 1U);
    // 64 bytes of 10 bits at 9600 bit/s: the last one is heard 63 byte times (65.6 ms)
    // after the first.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(65'600));
}

TEST(PtyRunner, ARealTimeFrameOnTheLineGetsNoAnswer) {
    ServedUnit unit({});
    ASSERT_NE(unit.Runner(), nullptr) << unit.Error();
    unit.Start();
    ProgramPort port(unit.Runner()->TerminalPath());
    Bytes frame{0x85, 0x12, 0x02, 0x02, 0x00, 0x8E, 0x00, 0x00, 0x0B, 0x55}; // word 142 = 11
    // START and the real-time mark go in one write so that a busy test machine cannot hold
    // them further apart than the runner waits for a second byte; the rest byte by byte.
    port.Write(Bytes(frame.begin(), frame.begin() + 2));
    for (std::size_t i = 2; i < frame.size(); ++i) {
        port.Write(Bytes{frame[i]});
    }
    // The next transaction's answers come first in line: nothing was left over.
    EXPECT_EQ(port.Exchange({0x85, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55}, 5),
              (Bytes{0x85, 0x00, 0x00, 0x00, 0x55}));
    unit.Stop();
    // DSP 2 word 142: 874 + 426 = 1300.
    EXPECT_EQ(unit.Runner()->Processor().Memory(1)[1302], 0x0B);
}

TEST(PtyRunner, ADisconnectFaultHangsUpTheTerminal) {
    ServedUnit unit({});
    ASSERT_NE(unit.Runner(), nullptr) << unit.Error();
    unit.Runner()->Processor().SetFault({Fault::Disconnect, 1});
    unit.Start();
    ProgramPort port(unit.Runner()->TerminalPath());
    EXPECT_EQ(port.Exchange({0x85}, 1), Bytes{0x85});
    EXPECT_EQ(port.Exchange({0x00}, 1), Bytes{});
    EXPECT_EQ(unit.Stop().End, ServeEnd::Disconnected);
}

TEST(PtyRunner, MemoriesWrittenOverTheLineAreKeptInTheStateDirectory) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("quorvex_pty_state_" + std::to_string(getpid()));
    std::filesystem::remove_all(directory);
    const Bytes image = PatternImage(99);
    std::vector<std::string> reports;
    {
        PtyRunnerOptions options;
        options.StateDirectory = directory;
        options.Processor.ProtectedMemories = {};
        options.Report = [&reports](const std::string& line) { reports.push_back(line); };
        ServedUnit unit(options);
        ASSERT_NE(unit.Runner(), nullptr) << unit.Error();
        unit.Start();
        ProgramPort port(unit.Runner()->TerminalPath());
        WriteMemory(port, 5, image);
        EXPECT_EQ(unit.Stop().End, ServeEnd::Stopped);
    }
    EXPECT_NE(std::find(reports.begin(), reports.end(), "memory 5 written"), reports.end());
    PtyRunnerOptions options;
    options.StateDirectory = directory;
    ServedUnit restarted(options);
    ASSERT_NE(restarted.Runner(), nullptr) << restarted.Error();
    const auto kept = restarted.Runner()->Processor().Memory(5);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), kept.begin()));
    std::filesystem::remove_all(directory);
}

} // namespace
} // namespace quorvex
