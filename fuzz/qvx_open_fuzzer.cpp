// Damaged configuration files through the desktop program's own Open: New configuration, the
// file read step by step with every editor brought up to date, then Save and Open again.
// Slow (several designs of every output per input): qvx_record_fuzzer explores the record.

#include "configuration_checks.h"
#include "fuzz_check.h"
#include "quiet_program.h"

#include "app/main_form.h"
#include "app/open_workflow.h"
#include "config/qvx_encoder.h"
#include "config/qvx_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <unistd.h>
#include <vector>

namespace quorvex::fuzz {
namespace {

// The sizes Open takes, chosen by the first input byte so that the mutations spend their time
// inside records rather than on sizes that are refused outright; 3 keeps the size as it comes.
constexpr std::array<std::size_t, 3> AcceptedSizes{qvx::RecordSize, qvx::RecordSizeWithoutGates,
                                                   qvx::RecordSizeOldest};

std::vector<std::uint8_t> FileBytes(std::span<const std::uint8_t> input) {
    if (input.empty()) {
        return {};
    }
    std::vector<std::uint8_t> bytes(input.begin() + 1, input.end());
    const std::size_t choice = input[0] % (AcceptedSizes.size() + 1);
    if (choice < AcceptedSizes.size()) {
        bytes.resize(AcceptedSizes[choice], 0);
    }
    return bytes;
}

std::string ScratchFolder() {
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("quorvex_qvx_fuzz_" + std::to_string(getpid())))
            .string();
    std::filesystem::create_directories(folder);
    return folder;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out), "the scratch file is written");
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QvxRecord Stored(Program& program) {
    return EncodeConfigurationRecord(program.Doc().Config, "");
}

OpenOutcome OpenAfterNewConfiguration(Program& program, const std::string& path) {
    program.Main().ResetConfiguration();
    return OpenChosenFile(program, path);
}

} // namespace
} // namespace quorvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    using namespace quorvex::fuzz;
    static QuietProgram quiet;
    static const std::string folder = ScratchFolder();
    static const std::string opened = folder + "/opened.QVX";
    static const std::string saved = folder + "/saved.QVX";
    Program& program = quiet.App();

    program.Main().ResetConfiguration();
    const QvxRecord afterNew = Stored(program);
    WriteFile(opened, FileBytes({data, size}));
    if (OpenChosenFile(program, opened) != OpenOutcome::Loaded) {
        Require(Stored(program) == afterNew, "a refused file leaves New configuration's values");
        return 0;
    }
    RequireUsableConfiguration(program.Doc().Config);
    const QvxRecord afterOpen = Stored(program);

    std::filesystem::remove(saved);
    quiet.Boxes().SavePaths.push_back(saved);
    Require(program.Main().SaveButtonClick(), "what was opened can be saved");
    const std::vector<std::uint8_t> savedBytes = ReadFile(saved);
    Require(savedBytes.size() == qvx::RecordSize, "Save writes a whole current record");

    Require(OpenAfterNewConfiguration(program, saved) == OpenOutcome::Loaded, "a saved file opens");
    Require(Stored(program) == afterOpen, "a saved file opens to the configuration saved");
    return 0;
}
