// Damaged configuration records through the reading steps of Open alone, fast enough to
// explore the record; qvx_open_fuzzer runs the whole Open with the editors.

#include "configuration_checks.h"
#include "fuzz_check.h"

#include "config/configuration.h"
#include "config/new_configuration.h"
#include "config/qvx_decoder.h"
#include "config/qvx_encoder.h"
#include "config/qvx_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvex::fuzz {
namespace {

// The sizes Open takes, chosen by the first input byte so that the mutations spend their time
// inside records rather than on sizes that are refused outright; 3 keeps the size as it comes.
constexpr std::array<std::size_t, 3> AcceptedSizes{qvx::RecordSize, qvx::RecordSizeWithoutGates,
                                                   qvx::RecordSizeOldest};

std::vector<std::uint8_t> RecordBytes(std::span<const std::uint8_t> input) {
    std::vector<std::uint8_t> bytes(input.begin() + 1, input.end());
    const std::size_t choice = input[0] % (AcceptedSizes.size() + 1);
    if (choice < AcceptedSizes.size()) {
        bytes.resize(AcceptedSizes[choice], 0);
    }
    return bytes;
}

Configuration AfterNewConfiguration() {
    Configuration config;
    NewConfiguration(config);
    return config;
}

} // namespace
} // namespace quorvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    using namespace quorvex::fuzz;
    if (size == 0) {
        return 0;
    }
    static const Configuration afterNew = AfterNewConfiguration();
    static const QvxRecord afterNewStored = EncodeConfigurationRecord(afterNew, "");

    const std::vector<std::uint8_t> bytes = RecordBytes({data, size});
    Configuration opened = afterNew;
    if (LoadConfigurationRecord(bytes, opened) == QvxRecordKind::NotQuorvex) {
        Require(EncodeConfigurationRecord(opened, "") == afterNewStored,
                "a refused record changes nothing");
        return 0;
    }
    RequireUsableConfiguration(opened);
    const QvxRecord saved = EncodeConfigurationRecord(opened, "");
    Configuration reopened = afterNew;
    Require(LoadConfigurationRecord(saved, reopened) == QvxRecordKind::Current,
            "a saved record is a current one");
    Require(EncodeConfigurationRecord(reopened, "") == saved,
            "a saved record opens to the configuration saved");
    return 0;
}
