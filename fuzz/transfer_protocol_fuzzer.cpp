// The program's receiving side of the transfer protocol against a unit that answers with the
// input's bytes: the connection test, a write, a read rebuilt into a configuration, a change
// of memory and the real-time request, over a serial port or the USB chip.

#include "configuration_checks.h"
#include "fuzz_check.h"

#include "config/configuration.h"
#include "config/new_configuration.h"
#include "config/qvx_encoder.h"
#include "link/byte_link.h"
#include "link/communication_window.h"
#include "link/device_operations.h"
#include "link/memory_protection.h"
#include "link/message_loop.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorvex::fuzz {
namespace {

/// What a real line would take: a whole write transaction, its retries and the echoes of a
/// read, with room to spare. More means the program keeps sending to a unit that talks
/// nonsense.
constexpr std::size_t MostBytesSent = 16 * 1024;
/// Reply waits after the unit has said all it will: each operation gives up on the first.
constexpr int MostWaitsInSilence = 2;

/// A unit whose answers are the script's bytes, in order; then it falls silent or hangs up.
class ScriptedUnit : public ByteLink {
public:
    ScriptedUnit(TransportKind kind, std::span<const std::uint8_t> script, bool hangsUp)
        : kind_(kind), script_(script), hangsUp_(hangsUp) {}

    TransportKind Kind() const override { return kind_; }
    std::string PortName() const override { return kind_ == TransportKind::Usb ? "USB" : "COM1"; }
    LinkStatus Open() override {
        open_ = true;
        return LinkStatus::Success();
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(std::span<const std::uint8_t> bytes) override {
        Require(open_, "the program writes only to an open link");
        sent_ += bytes.size();
        Require(sent_ <= MostBytesSent, "the program stops sending to a unit that talks nonsense");
        return true;
    }
    Reply WaitForReply() override {
        Require(open_, "the program waits only on an open link");
        if (next_ < script_.size()) {
            return {Reply::Outcome::Byte, script_[next_++], {}};
        }
        ++waitsInSilence_;
        Require(waitsInSilence_ <= MostWaitsInSilence, "the program gives up on a silent unit");
        if (hangsUp_) {
            return {Reply::Outcome::Failed, 0, "hung up"};
        }
        return {Reply::Outcome::TimedOut, 0, {}};
    }

    /// True once a wait found the script used up.
    bool FellSilent() const { return waitsInSilence_ > 0; }

private:
    TransportKind kind_;
    std::span<const std::uint8_t> script_;
    bool hangsUp_;
    bool open_ = false;
    std::size_t next_ = 0;
    std::size_t sent_ = 0;
    int waitsInSilence_ = 0;
};

class NoMessageLoop : public MessageLoop {
public:
    void Run(int) override {}
};

Configuration AfterNewConfiguration() {
    Configuration config;
    NewConfiguration(config);
    return config;
}

/// A failure is told in a box, by going offline, or in the communication window's status
/// line, which the operations leave showing where the transfer stopped. A USB read time-out
/// ends the step with the status it reached, the link staying online.
void RequireToldOnFailure(const OperationResult& result, const ScriptedUnit& unit,
                          const CommunicationWindow& window) {
    const bool statusTells = window.Status().find("ERROR") != std::string::npos;
    const bool usbTimeOut = unit.Kind() == TransportKind::Usb && unit.FellSilent();
    Require(result.Ok || !result.Messages.empty() || result.ConnectionLost || statusTells ||
                usbTimeOut,
            "a failed operation says so");
}

void ReadMemory(DeviceOperations& device, const ScriptedUnit& unit,
                const CommunicationWindow& window, int memory) {
    static const Configuration afterNew = AfterNewConfiguration();
    static const QvxRecord afterNewStored = EncodeConfigurationRecord(afterNew, "");
    Configuration config = afterNew;
    const OperationResult result = device.ReadMemory(memory, config);
    RequireToldOnFailure(result, unit, window);
    if (result.Ok) {
        RequireUsableConfiguration(config);
    } else {
        Require(EncodeConfigurationRecord(config, "") == afterNewStored,
                "a failed read leaves the configuration as it was");
    }
}

} // namespace
} // namespace quorvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    using namespace quorvex::fuzz;
    if (size < 2) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const int memory = FirstMemory + data[1] % LastMemory;
    const TransportKind kind = (choice & 0x10) != 0 ? TransportKind::Usb : TransportKind::ComPort;
    ScriptedUnit unit(kind, {data + 2, size - 2}, (choice & 0x20) != 0);
    CommunicationWindow window;
    NoMessageLoop loop;
    DeviceOperations device(unit, window, loop);

    switch (choice % 5) {
    case 0:
        RequireToldOnFailure(device.Connect().Operation, unit, window);
        break;
    case 1: {
        static const std::array<std::uint8_t, 2046> image{};
        MemoryProtection protection;
        protection.EnterCode("8642");
        RequireToldOnFailure(device.WriteMemory(memory, image, protection), unit, window);
        break;
    }
    case 2:
        ReadMemory(device, unit, window, memory);
        break;
    case 3:
        RequireToldOnFailure(device.ChangeMemory(memory), unit, window);
        break;
    default:
        RequireToldOnFailure(device.RequestRealTime(), unit, window);
        break;
    }
    return 0;
}
