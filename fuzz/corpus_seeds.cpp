// Writes the seed corpus of every harness into fuzz/corpus/<harness>/ from the test
// fixtures: New configuration and the sample configuration as files and images, the sample
// export of every measurement format, and the bytes of real exchanges with the virtual
// processor (the unit's answers for the protocol, the program's bytes for the unit).
//
//     corpus_seeds DIR

#include "config/configuration.h"
#include "config/new_configuration.h"
#include "config/qvx_encoder.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "link/communication_window.h"
#include "link/device_operations.h"
#include "link/memory_protection.h"
#include "link/message_loop.h"
#include "sim/virtual_processor.h"

#include "config/measurement_test_files.h"
#include "config/qvx_sample_configuration.h"
#include "processor_line.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Corpus {
public:
    explicit Corpus(std::filesystem::path root) : root_(std::move(root)) {}

    void Add(const std::string& harness, const std::string& name, const Bytes& bytes) const {
        const std::filesystem::path folder = root_ / harness;
        std::filesystem::create_directories(folder);
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path root_;
};

Bytes Prefixed(std::uint8_t first, const Bytes& rest) {
    Bytes bytes{first};
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return bytes;
}

Bytes RecordOf(const Configuration& config) {
    const QvxRecord record = EncodeConfigurationRecord(config, "C:\\rig.QVX");
    return {record.begin(), record.end()};
}

Bytes ImageOf(Configuration config) {
    EngineObjects objects;
    DesignAll(config, objects);
    const CoefficientImage image = BuildCoefficientImage(config, objects);
    return {image.begin(), image.end()};
}

void AddConfigurationSeeds(const Corpus& corpus) {
    const Configuration fresh = test::ResetConfiguration();
    const Configuration sample = test::SampleConfiguration();
    // The harnesses' first byte picks the size: 0 current, 1 without gates, 2 the oldest.
    for (const std::string harness : {"qvx_record", "qvx_open"}) {
        corpus.Add(harness, "new-current", Prefixed(0, RecordOf(fresh)));
        corpus.Add(harness, "sample-current", Prefixed(0, RecordOf(sample)));
        corpus.Add(harness, "sample-without-gates", Prefixed(1, RecordOf(sample)));
        corpus.Add(harness, "sample-oldest", Prefixed(2, RecordOf(sample)));
    }
    corpus.Add("image_decoder", "new", ImageOf(fresh));
    corpus.Add("image_decoder", "sample", ImageOf(sample));
}

void AddMeasurementSeeds(const Corpus& corpus) {
    for (const int code : {0, -1, 1, 2, 3, 4, 6, 7, 8}) {
        const std::string text = testing::SampleExport(code);
        // The second CLIO layout is format 0 too.
        const auto format = static_cast<std::uint8_t>(std::max(code, 0));
        corpus.Add("measurement", "format-" + std::to_string(code),
                   Prefixed(format, Bytes(text.begin(), text.end())));
    }
}

/// Passes a line through and keeps every byte the unit answered.
class AnswerRecorder : public ByteLink {
public:
    explicit AnswerRecorder(ByteLink& inner) : inner_(inner) {}
    TransportKind Kind() const override { return inner_.Kind(); }
    std::string PortName() const override { return inner_.PortName(); }
    LinkStatus Open() override { return inner_.Open(); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Write(std::span<const std::uint8_t> bytes) override { return inner_.Write(bytes); }
    Reply WaitForReply() override {
        Reply reply = inner_.WaitForReply();
        if (reply.HasByte()) {
            answers.push_back(reply.Value);
        }
        return reply;
    }
    Bytes answers;

private:
    ByteLink& inner_;
};

class NoMessageLoop : public MessageLoop {
public:
    void Run(int) override {}
};

/// The program's bytes as the unit harness reads them: runs of at most 127 bytes.
Bytes AsLineScript(const Bytes& sent) {
    Bytes script;
    for (std::size_t from = 0; from < sent.size(); from += 127) {
        const std::size_t count = std::min<std::size_t>(127, sent.size() - from);
        script.push_back(static_cast<std::uint8_t>(count));
        script.insert(script.end(), sent.begin() + static_cast<std::ptrdiff_t>(from),
                      sent.begin() + static_cast<std::ptrdiff_t>(from + count));
    }
    return script;
}

/// One operation against a fresh virtual processor; `choice` and `memory` are the protocol
/// harness's first two bytes, which pick the same operation there.
void AddExchange(const Corpus& corpus, const std::string& name, std::uint8_t choice,
                 std::uint8_t memory, const std::function<void(DeviceOperations&)>& run) {
    VirtualProcessor unit;
    testing::ProcessorLine line(unit, TransportKind::ComPort);
    AnswerRecorder recorder(line);
    CommunicationWindow window;
    NoMessageLoop loop;
    DeviceOperations device(recorder, window, loop);
    run(device);
    Bytes script{choice, memory};
    script.insert(script.end(), recorder.answers.begin(), recorder.answers.end());
    corpus.Add("transfer_protocol", name, script);
    corpus.Add("virtual_processor", name, AsLineScript(line.sent));
}

void AddExchangeSeeds(const Corpus& corpus) {
    // Memory numbers are 1 + byte % 60.
    AddExchange(corpus, "connect", 0, 0, [](DeviceOperations& device) { device.Connect(); });
    AddExchange(corpus, "write-30", 1, 29, [](DeviceOperations& device) {
        MemoryProtection protection;
        protection.EnterCode("8642");
        const Bytes image = ImageOf(test::SampleConfiguration());
        device.WriteMemory(30, image, protection);
    });
    AddExchange(corpus, "read-22", 2, 21, [](DeviceOperations& device) {
        Configuration config = test::ResetConfiguration();
        device.ReadMemory(22, config);
    });
    AddExchange(corpus, "change-22", 3, 21,
                [](DeviceOperations& device) { device.ChangeMemory(22); });
    AddExchange(corpus, "real-time-request", 4, 0,
                [](DeviceOperations& device) { device.RequestRealTime(); });
}

} // namespace
} // namespace quorvex

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: corpus_seeds DIR\n");
        return 2;
    }
    const quorvex::Corpus corpus(argv[1]);
    quorvex::AddConfigurationSeeds(corpus);
    quorvex::AddMeasurementSeeds(corpus);
    quorvex::AddExchangeSeeds(corpus);
    return 0;
}
