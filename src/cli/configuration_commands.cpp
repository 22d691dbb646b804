#include "app/read_back.h"
#include "cli/configuration_json.h"
#include "cli/offline_commands.h"
#include "cli/offline_program.h"
#include "config/whole_file.h"
#include "image/coefficient_image.h"
#include "image/image_decoder.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace quorvex {

namespace {

const CommandSyntax OutputOnly{{"-o"}, {}, 0, 0};
const CommandSyntax InputAndOutput{{"-o"}, {}, 1, 1};
const CommandSyntax InputOnly{{}, {}, 1, 1};

/// The command line, or nothing after a usage error; `-o` is required where it is known.
std::optional<CommandLine> Parse(std::string_view usage, const CommandArguments& arguments,
                                 const CommandSyntax& syntax, std::ostream& err) {
    auto line = ParseCommandArguments(usage, arguments, syntax, err);
    if (line && syntax.ValueOptions.count("-o") != 0 && !line->Option("-o")) {
        UsageError(usage, "missing -o", err);
        return std::nullopt;
    }
    return line;
}

int ExitOf(bool succeeded) {
    return succeeded ? ExitSuccess : ExitFailure;
}

} // namespace

int RunNewCommand(const CommandArguments& arguments, std::ostream&, std::ostream& err) {
    const auto line = Parse(NewUsage, arguments, OutputOnly, err);
    if (!line) {
        return ExitUsage;
    }
    OfflineProgram program(err);
    program.New();
    return ExitOf(program.Save(*line->Option("-o")));
}

int RunDumpCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err) {
    const auto line = Parse(DumpUsage, arguments, InputOnly, err);
    if (!line) {
        return ExitUsage;
    }
    OfflineProgram program(err);
    if (!program.Open(line->Positional[0])) {
        return ExitFailure;
    }
    out << ConfigurationJson(program.Config(), program.App().Doc().Engine) << '\n';
    return ExitSuccess;
}

int RunSaveCommand(const CommandArguments& arguments, std::ostream&, std::ostream& err) {
    const auto line = Parse(SaveUsage, arguments, InputAndOutput, err);
    if (!line) {
        return ExitUsage;
    }
    OfflineProgram program(err);
    return ExitOf(program.Open(line->Positional[0]) && program.Save(*line->Option("-o")));
}

int RunImageCommand(const CommandArguments& arguments, std::ostream&, std::ostream& err) {
    const auto line = Parse(ImageUsage, arguments, InputAndOutput, err);
    if (!line) {
        return ExitUsage;
    }
    OfflineProgram program(err);
    if (!program.Open(line->Positional[0])) {
        return ExitFailure;
    }
    const CoefficientImage image =
        BuildCoefficientImage(program.Config(), program.App().Doc().Engine);
    // Exactly the bytes a Write sends: the length the image's first two bytes announce.
    const auto length = static_cast<std::size_t>(TransferLength(image));
    const auto error = ReplaceFileContents(*line->Option("-o"),
                                           std::span(image).first(std::min(length, image.size())));
    return error ? Failure(*error, err) : ExitSuccess;
}

int RunDecodeCommand(const CommandArguments& arguments, std::ostream&, std::ostream& err) {
    const auto line = Parse(DecodeUsage, arguments, InputAndOutput, err);
    if (!line) {
        return ExitUsage;
    }
    const std::string& imagePath = line->Positional[0];
    const FileHead input = ReadFileHead(imagePath, CoefficientImageSize + 1);
    if (!input.Ok()) {
        return Failure(imagePath + ": " + input.Error, err);
    }
    if (input.Bytes.size() > CoefficientImageSize) {
        return Failure(imagePath + ": " + std::generic_category().message(EFBIG), err);
    }
    // A memory read back replaces the whole configuration: New configuration comes first.
    OfflineProgram program(err);
    program.New();
    if (DecodeCoefficientImage(input.Bytes, program.Config()) != ImageDecodeResult::Decoded) {
        return Failure(imagePath + ": too short for a coefficient image (" +
                           std::to_string(input.Bytes.size()) + " bytes)",
                       err);
    }
    // As after a Read from the processor: the editors take up what the image holds.
    ShowReadConfiguration(program.App());
    return ExitOf(program.Save(*line->Option("-o")));
}

} // namespace quorvex
