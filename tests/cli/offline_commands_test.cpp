#include "app/scratch_folder.h"
#include "cli/qvx_tool.h"
#include "config/configuration.h"
#include "config/qvx_encoder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <regex>
#include <sstream>

namespace quorvex {
namespace {

using testing::FlatClioExport;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using testing::WriteText;

struct Outcome {
    int Code;
    std::string Out;
    std::string Err;
};

Outcome Qvx(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunQvx(arguments, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<double> Fields(const std::string& line) {
    std::vector<double> values;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) {
        values.push_back(std::stod(field));
    }
    return values;
}

/// The little-endian double of a configuration file at `offset`.
double DoubleAt(const std::vector<std::uint8_t>& record, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(record.at(offset + i)) << (8 * i);
    }
    return std::bit_cast<double>(bits);
}

void PutInt32At(std::vector<std::uint8_t>& record, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        record.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

/// Phase in degrees brought into -180 .. 180.
double Wrapped(double degrees) {
    return degrees - 360.0 * std::round(degrees / 360.0);
}

std::size_t FileCount(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator{}));
}

class OfflineCommands : public ::testing::Test {
protected:
    ScratchFolder folder;

    /// A configuration file holding `config`, written as the program writes it.
    std::string Write(const Configuration& config, const std::string& name) {
        const std::string path = folder / name;
        const QvxRecord record = EncodeConfigurationRecord(config, path);
        WriteBytes(path, {record.begin(), record.end()});
        return path;
    }
    std::string NewFile(const std::string& name) {
        const std::string path = folder / name;
        EXPECT_EQ(Qvx({"new", "-o", path}).Code, 0);
        return path;
    }
};

TEST_F(OfflineCommands, NewWritesTheResetConfiguration) {
    const std::string path = folder / "new.QVX";
    const Outcome run = Qvx({"new", "-o", path});
    EXPECT_EQ(run.Code, 0) << run.Err;
    const auto record = ReadBytes(path);
    ASSERT_EQ(record.size(), 2688U);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + 6),
              (std::vector<std::uint8_t>{0x05, 'X', 'D', 'A', 'C', 'F'}));
    // The reset names the subs without a blank (the first start does not).
    EXPECT_EQ(record[470], 4);
    EXPECT_EQ(std::string(record.begin() + 471, record.begin() + 475), "SUB1");
    EXPECT_EQ(FileCount(folder.Path()), 1U);
}

TEST_F(OfflineCommands, NewLeavesEveryBandAtItsDefaultsBandOneIncluded) {
    const auto record = ReadBytes(NewFile("n.QVX"));
    ASSERT_EQ(record.size(), 2688U);
    EXPECT_EQ(DoubleAt(record, 548), 0.707);   // Out1 band 1 Q
    EXPECT_EQ(DoubleAt(record, 1324), 1000.0); // SUB1 band 1 frequency
    // Band records of 28 bytes: gain, frequency, Q, then the type byte; seven bands for
    // each of Out1..Out4 from 532, three for each sub from 1316.
    for (std::size_t band = 0; band < 4 * 7 + 2 * 3; ++band) {
        const std::size_t offset = 532 + 28 * band;
        EXPECT_EQ(DoubleAt(record, offset), 0.0) << band;
        EXPECT_EQ(DoubleAt(record, offset + 8), 1000.0) << band;
        EXPECT_EQ(DoubleAt(record, offset + 16), 0.707) << band;
        EXPECT_EQ(record[offset + 24], 0) << band;
    }
}

TEST_F(OfflineCommands, FinalResponseDelaysTheFirstPairByTheDynamicsLookAhead) {
    const std::string path = NewFile("a.QVX");
    auto record = ReadBytes(path);
    PutInt32At(record, 1748, 24); // LookAheadSamples of dynamics block 1: 0.5 ms
    WriteBytes(path, record);
    ASSERT_NE(Qvx({"dump", path}).Out.find("\"LookAheadSamples\": 24"), std::string::npos);

    const auto phases =
        Lines(Qvx({"response", path, "--stage", "final", "--phase", "--views", "D"}).Out);
    const auto sums = Lines(Qvx({"response", path, "--stage", "final", "--views", "D"}).Out);
    ASSERT_EQ(phases.size(), 402U);
    ASSERT_EQ(sums.size(), 402U);
    int checked = 0;
    for (std::size_t row = 1; row < phases.size(); ++row) {
        const auto phase = Fields(phases[row]);
        const double hz = phase[0];
        const double expected = Wrapped(-360.0 * hz * 24.0 / 48000.0);
        if (std::abs(expected) < 179.0) {
            EXPECT_NEAR(phase[1], expected, 0.01) << phases[row];
            EXPECT_NEAR(phase[2], expected, 0.01) << phases[row];
            ++checked;
        }
        for (std::size_t column = 3; column <= 6; ++column) {
            EXPECT_EQ(phase[column], 0.0) << phases[row];
        }
        // Two unit outputs turned by the look-ahead against four in phase.
        const double turn = 2.0 * std::acos(-1.0) * hz * 24.0 / 48000.0;
        EXPECT_NEAR(Fields(sums[row])[7], 10.0 * std::log10(20.0 + 16.0 * std::cos(turn)), 1e-3)
            << sums[row];
    }
    EXPECT_GT(checked, 390);
}

TEST_F(OfflineCommands, UsageErrorsExitWithTwoAndWriteNothing) {
    const std::string qvx = NewFile("in.QVX");
    WriteText(folder / "m.txt", FlatClioExport(10.0, 30000.0, 10, 90.0));
    const std::vector<std::vector<std::string>> wrong{
        {},
        {"bogus"},
        {"new"},
        {"new", "-o"},
        {"new", "extra", "-o", folder / "a.QVX"},
        {"new", "--out", folder / "a.QVX"},
        {"dump"},
        {"dump", qvx, qvx},
        {"save", qvx},
        {"image", qvx},
        {"decode", qvx},
        {"response", qvx},
        {"response", qvx, "--stage", "bass"},
        {"response", qvx, "--stage", "final", "--views", "KQ"},
        {"response", qvx, "--stage", "eq", "--views", "K"},
        {"import", folder / "m.txt"},
        {"import", "--format", "clio", folder / "m.txt"},
        {"import", "--format", "0.5", folder / "m.txt"},
        {"import", "--format", "0", "--ref", "141", folder / "m.txt"},
        {"import", "--format", "0", "--sensitivity", "0", folder / "m.txt"},
        {"import", "--format", "0"},
    };
    for (const auto& arguments : wrong) {
        const Outcome run = Qvx(arguments);
        EXPECT_EQ(run.Code, 2) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(run.Out.empty());
        EXPECT_NE(run.Err.find("usage: qvx"), std::string::npos) << run.Err;
    }
    EXPECT_EQ(FileCount(folder.Path()), 2U);
}

TEST_F(OfflineCommands, FailuresExitWithOneAndTheMessageAndWriteNothing) {
    const std::string bad = folder / "bad.QVX";
    WriteText(bad, "definitely not a configuration");
    const std::string missing = folder / "missing.QVX";
    const std::string out = folder / "out.QVX";

    Outcome run = Qvx({"new", "-o", folder / "no-folder/x.QVX"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("No such file or directory"), std::string::npos) << run.Err;

    run = Qvx({"dump", missing});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find(missing + ": No such file or directory"), std::string::npos);
    EXPECT_TRUE(run.Out.empty());

    run = Qvx({"dump", bad});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find(bad + " is not a QuorvexFile"), std::string::npos) << run.Err;

    for (const auto& command : {"save", "image", "decode"}) {
        run = Qvx({command, bad, "-o", out});
        EXPECT_EQ(run.Code, 1) << command;
        EXPECT_FALSE(std::filesystem::exists(out)) << command;
    }
    run = Qvx({"response", missing, "--stage", "final"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_EQ(FileCount(folder.Path()), 1U);
}

TEST_F(OfflineCommands, AFailedCommandLeavesAnExistingOutputAlone) {
    const std::string out = NewFile("out.QVX");
    const auto before = ReadBytes(out);
    WriteText(folder / "bad.QVX", "x");
    EXPECT_EQ(Qvx({"save", folder / "bad.QVX", "-o", out}).Code, 1);
    EXPECT_EQ(ReadBytes(out), before);
}

TEST_F(OfflineCommands, DumpShowsTheOpenedConfigurationAsJson) {
    Configuration config;
    config.SystemInfo.SystemName = "Touring \"A\"";
    config.Output(2).Level.GainFactor = std::pow(10.0, -3.5 / 20.0);
    config.Output(3).Delay.DelaySamples = 17;
    config.Output(4).Level.PolarityInverted = true;
    config.Output(4).Level.GainFactor = -1.0;
    const Outcome run = Qvx({"dump", Write(config, "a.QVX")});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_NE(run.Out.find("\"SystemName\": \"Touring \\\"A\\\"\""), std::string::npos);
    EXPECT_NE(run.Out.find("\"GainDb\": -3.5,"), std::string::npos);
    EXPECT_NE(run.Out.find("\"DelaySamples\": 17,"), std::string::npos);
    EXPECT_NE(run.Out.find("\"PolarityInverted\": true,"), std::string::npos);
    EXPECT_NE(run.Out.find("\"GainTable\""), std::string::npos);
    EXPECT_TRUE(run.Err.empty()) << run.Err;
}

/// The value texts of every `"key": value` of `json` (arrays of values excluded).
std::vector<std::string> ValuesOf(const std::string& json, const std::string& key) {
    std::vector<std::string> values;
    const std::regex pattern("\"" + key + "\": ([^,\\n\\[{]+)");
    for (auto match = std::sregex_iterator(json.begin(), json.end(), pattern);
         match != std::sregex_iterator{}; ++match) {
        values.push_back((*match)[1].str());
    }
    return values;
}

TEST_F(OfflineCommands, DumpTypesIntegersFlagsRealsAndTexts) {
    Configuration config;
    config.Output(1).Level.GainFactor = 0.5011872336272722; // -6.0 dB
    const Outcome run = Qvx({"dump", Write(config, "typed.QVX")});
    ASSERT_EQ(run.Code, 0) << run.Err;
    const std::regex integer("-?[0-9]+");
    const std::regex real("-?[0-9]+\\.[0-9]+(e[-+][0-9]+)?|-?[0-9](\\.[0-9]+)?e[-+][0-9]+");
    for (const char* key : {"SampleRate", "TemperatureC", "FilterType", "BandsInUse", "Order",
                            "Family", "DelaySamples", "RelativeDistanceSamples", "HoldSamples",
                            "DecaySteps", "LookAheadSamples", "ImportFormat"}) {
        const auto values = ValuesOf(run.Out, key);
        ASSERT_FALSE(values.empty()) << key;
        for (const auto& value : values) {
            EXPECT_TRUE(std::regex_match(value, integer)) << key << ": " << value;
        }
    }
    for (const char* key : {"Gain", "Frequency", "Q", "GainDb", "GainFactor", "ThresholdDb",
                            "Ratio", "P", "ImportReferenceLevel", "NoiseGatePosition"}) {
        const auto values = ValuesOf(run.Out, key);
        ASSERT_FALSE(values.empty()) << key;
        for (const auto& value : values) {
            EXPECT_TRUE(std::regex_match(value, real)) << key << ": " << value;
        }
    }
    for (const char* key : {"PolarityInverted", "Muted", "SoloHighPass", "SoloLowPass",
                            "SpeakerDataView", "DelayView"}) {
        const auto values = ValuesOf(run.Out, key);
        ASSERT_FALSE(values.empty()) << key;
        for (const auto& value : values) {
            EXPECT_TRUE(value == "true" || value == "false") << key << ": " << value;
        }
    }
    // Levels in dB as the levels editor shows them, not as linear factors.
    EXPECT_EQ(ValuesOf(run.Out, "GainDb").front(), "-6.0");
    EXPECT_EQ(ValuesOf(run.Out, "ImportReferenceLevel").front(), "90.0");
    EXPECT_EQ(ValuesOf(run.Out, "SpeakerFile").front(), "\"\"");
}

TEST_F(OfflineCommands, SaveRewritesTheSameSettings) {
    Configuration config;
    // Values on the editors' resolutions and inside their ranges (sub bands end at 500 Hz),
    // where opening brings every value.
    for (int output = 1; output <= 6; ++output) {
        for (auto& band : config.Output(output).BandStorage) {
            band.Q = 0.7;
            band.Frequency = output <= 4 ? 1000.0 : 100.0;
        }
    }
    config.SystemInfo.Engineer = "Ana";
    config.TemperatureC = 31;
    config.Output(1).Band(2) = {1, -4.5, 250.0, 2.0};
    const std::string in = Write(config, "in.QVX");
    const std::string out = folder / "out.QVX";
    ASSERT_EQ(Qvx({"save", in, "-o", out}).Code, 0);
    const auto before = ReadBytes(in);
    const auto after = ReadBytes(out);
    ASSERT_EQ(after.size(), 2688U);
    // Everything but the header's path (15..115) and the bands in use (508..531).
    for (std::size_t i = 0; i < before.size(); ++i) {
        if ((i < 15 || i > 115) && (i < 508 || i > 531)) {
            EXPECT_EQ(after[i], before[i]) << "offset " << i;
        }
    }
}

TEST_F(OfflineCommands, ImageWritesTheBytesAWriteSends) {
    const std::string image = folder / "a.bin";
    ASSERT_EQ(Qvx({"image", NewFile("a.QVX"), "-o", image}).Code, 0);
    const auto bytes = ReadBytes(image);
    ASSERT_EQ(bytes.size(), 2046U);
    EXPECT_EQ(bytes[0], 0x07);
    EXPECT_EQ(bytes[1], 0xFC);
    EXPECT_EQ(bytes[2], 0xCB);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 4, bytes.begin() + 12),
              std::vector<std::uint8_t>(8, 0x01));
    EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 52), "NoName" + std::string(34, ' '));
}

TEST_F(OfflineCommands, DecodeRebuildsTheConfigurationAMemoryHolds) {
    Configuration config;
    config.SystemInfo.SystemName = "Decoded";
    config.Output(3).Delay.DelaySamples = 100;
    config.Output(1).Level.GainFactor = std::pow(10.0, -6.0 / 20.0);
    const std::string image = folder / "first.bin";
    ASSERT_EQ(Qvx({"image", Write(config, "a.QVX"), "-o", image}).Code, 0);
    const std::string decoded = folder / "decoded.QVX";
    const Outcome run = Qvx({"decode", image, "-o", decoded});
    ASSERT_EQ(run.Code, 0) << run.Err;

    // As a Read from the processor leaves it: the equaliser editor has selected every band.
    const auto record = ReadBytes(decoded);
    ASSERT_EQ(record.size(), 2688U);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin() + 508, record.begin() + 532),
              (std::vector<std::uint8_t>{7, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0, 0,
                                         7, 0, 0, 0, 3, 0, 0, 0, 3, 0, 0, 0}));

    const std::string json = Qvx({"dump", decoded}).Out;
    // Names come back with the blanks that pad them in the image.
    EXPECT_NE(json.find("\"SystemName\": \"Decoded" + std::string(33, ' ') + "\""),
              std::string::npos);
    EXPECT_NE(json.find("\"DelaySamples\": 100,"), std::string::npos);
    EXPECT_NE(json.find("\"GainDb\": -6.0,"), std::string::npos);
    // -6 dBFS is stored as round(2 x (6 - 2.6)) = 7 and read back as -7 / 2 - 2.6.
    EXPECT_NE(json.find("\"ThresholdDb\": -6.09999990"), std::string::npos);

    // What a memory gives back, written again, is that same memory.
    const std::string again = folder / "again.bin";
    ASSERT_EQ(Qvx({"image", decoded, "-o", again}).Code, 0);
    ASSERT_EQ(Qvx({"decode", again, "-o", decoded}).Code, 0);
    const std::string third = folder / "third.bin";
    ASSERT_EQ(Qvx({"image", decoded, "-o", third}).Code, 0);
    EXPECT_EQ(ReadBytes(third), ReadBytes(again));
}

TEST_F(OfflineCommands, DecodeRefusesAShortImage) {
    auto bytes = std::vector<std::uint8_t>(1000, 0);
    WriteBytes(folder / "short.bin", bytes);
    const Outcome run = Qvx({"decode", folder / "short.bin", "-o", folder / "x.QVX"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("too short"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(folder / "x.QVX"));
}

TEST_F(OfflineCommands, ResponseTablesHaveAHeaderAndOneRowPerGridPoint) {
    const std::string qvx = NewFile("a.QVX");
    for (const auto& stage : {"eq", "xover"}) {
        const auto lines = Lines(Qvx({"response", qvx, "--stage", stage}).Out);
        ASSERT_EQ(lines.size(), 402U) << stage;
        EXPECT_EQ(lines[0], "freq_hz,out1,out2,out3,out4,out5,out6");
        EXPECT_EQ(Fields(lines[1])[0], 20.0);
        EXPECT_EQ(Fields(lines[401])[0], 23999.0);
        // Every band bypassed: a flat equaliser.
        if (std::string(stage) == "eq") {
            EXPECT_EQ(Fields(lines[200]),
                      (std::vector<double>{Fields(lines[200])[0], 0, 0, 0, 0, 0, 0}));
        }
    }
    const auto lines = Lines(Qvx({"response", qvx, "--stage", "final"}).Out);
    ASSERT_EQ(lines.size(), 402U);
    EXPECT_EQ(lines[0], "freq_hz,out1,out2,out3,out4,out5,out6,sum");
}

TEST_F(OfflineCommands, TheCrossoverStageOfTheSubsIsTheirLowPass) {
    // After New configuration the subs' upper edge is a 2nd-order Butterworth at 480 Hz and
    // every other edge is bypassed.
    const auto lines = Lines(Qvx({"response", NewFile("a.QVX"), "--stage", "xover"}).Out);
    ASSERT_EQ(lines.size(), 402U);
    for (std::size_t row = 1; row < lines.size(); row += 20) {
        const auto values = Fields(lines[row]);
        const double hz = values[0];
        EXPECT_EQ(values[1], 0.0);
        EXPECT_EQ(values[4], 0.0);
        EXPECT_EQ(values[5], values[6]);
        if (hz < 3000.0) {
            // The analogue prototype, -10 log10(1 + (f / 480)^4), which the digital filter
            // follows closely well below half the sample rate.
            EXPECT_NEAR(values[5], -10.0 * std::log10(1.0 + std::pow(hz / 480.0, 4.0)), 0.3) << hz;
        }
    }
}

TEST_F(OfflineCommands, FinalResponseWithEveryStageOffIsTheSumOfFlatOutputs) {
    Configuration config;
    config.Output(6).Level.Muted = true;
    const std::string qvx = Write(config, "a.QVX");
    const auto lines = Lines(Qvx({"response", qvx, "--stage", "final", "--views", ""}).Out);
    ASSERT_EQ(lines.size(), 402U);
    for (std::size_t row = 1; row < lines.size(); row += 50) {
        const auto values = Fields(lines[row]);
        ASSERT_EQ(values.size(), 8U);
        EXPECT_EQ(values[1], 0.0);
        // Five unmuted outputs in phase: 20 log10(5) dB.
        EXPECT_NEAR(values[7], 13.9794000867, 1e-6) << lines[row];
    }
    const auto phases =
        Lines(Qvx({"response", qvx, "--stage", "final", "--phase", "--views", "KPXGD"}).Out);
    ASSERT_EQ(phases.size(), 402U);
    for (std::size_t row = 1; row < phases.size(); ++row) {
        const auto values = Fields(phases[row]);
        for (std::size_t column = 1; column < values.size(); ++column) {
            EXPECT_LE(std::abs(values[column]), 180.0) << phases[row];
        }
    }
}

TEST_F(OfflineCommands, FinalResponseShowsTheFilesOwnViewsUnlessTold) {
    Configuration config;
    config.ResponseView = {false, false, false, true, false}; // the levels only
    config.Output(1).Level.GainFactor = std::pow(10.0, -6.0 / 20.0);
    const std::string qvx = Write(config, "views.QVX");
    const auto stored = Lines(Qvx({"response", qvx, "--stage", "final"}).Out);
    const auto none = Lines(Qvx({"response", qvx, "--stage", "final", "--views", ""}).Out);
    ASSERT_EQ(stored.size(), 402U);
    ASSERT_EQ(none.size(), 402U);
    for (std::size_t row = 1; row < stored.size(); row += 40) {
        EXPECT_NEAR(Fields(stored[row])[1], -6.0, 1e-4) << stored[row];
        EXPECT_EQ(Fields(none[row])[1], 0.0) << none[row];
    }
}

/// Runs in `folder` while it lives, as a person who changed into it would.
class InFolder {
public:
    explicit InFolder(const std::filesystem::path& folder)
        : before_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(before_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path before_;
};

TEST_F(OfflineCommands, AFileNamedWithoutItsFolderFindsTheMeasurementsBesideIt) {
    Configuration config;
    // Saved on another machine: the stored path is gone, the file moved with the configuration.
    config.Output(2).SpeakerFile = "C:\\Measures\\right.txt";
    WriteText(folder / "right.txt", FlatClioExport(100.0, 10000.0, 100, 96.0, 90.0));
    Write(config, "moved.QVX");
    const InFolder here(folder.Path());
    const Outcome run = Qvx({"response", "moved.QVX", "--stage", "final", "--views", "K"});
    ASSERT_EQ(run.Code, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 402U);
    // 96 dB measured over the 90 dB reference, only output 2 has data.
    EXPECT_NEAR(Fields(lines[200])[2], 6.0, 1e-4) << lines[200];
    EXPECT_NE(Qvx({"dump", "moved.QVX"}).Out.find("\"SpeakerFile\": \"C:\\\\Measures"),
              std::string::npos);
}

TEST_F(OfflineCommands, ImportMapsAMeasurementOntoTheGrid) {
    const std::string clio = folder / "clio.txt";
    WriteText(clio, FlatClioExport(100.0, 10000.0, 100, 96.0, 90.0));
    Outcome run = Qvx({"import", "--format", "0", clio});
    ASSERT_EQ(run.Code, 0) << run.Err;
    auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 402U);
    EXPECT_EQ(lines[0], "freq_hz,mag_db,phase_rad");
    EXPECT_EQ(Fields(lines[1]), (std::vector<double>{20.0, -140.0, 0.0}));
    EXPECT_EQ(Fields(lines[401]), (std::vector<double>{23999.0, -140.0, 0.0}));
    const auto inside = Fields(lines[200]);
    EXPECT_NEAR(inside[1], 6.0, 1e-6);
    EXPECT_NEAR(inside[2], 1.57079633, 1e-7);

    run = Qvx({"import", "--format", "0", "--ref", "96", clio});
    EXPECT_NEAR(Fields(Lines(run.Out)[200])[1], 0.0, 1e-6);
}

TEST_F(OfflineCommands, ImportOfDbuLevelsUsesTheSensitivity) {
    const std::string mini = folder / "mini.txt";
    WriteText(mini, "    f[Hz] Level[dBu]\n     10.0      0.000\n  30000.0      0.000\n");
    // 20 log10(0.775 / 0.020 / 0.00002) - 90
    EXPECT_NEAR(Fields(Lines(Qvx({"import", "--format", "4", mini}).Out)[200])[1], 35.744834, 1e-4);
    // 20 log10(0.775 / 0.040 / 0.00002) - 90
    EXPECT_NEAR(
        Fields(Lines(Qvx({"import", "--format", "4", "--sensitivity", "40", mini}).Out)[200])[1],
        29.724234, 1e-4);
}

TEST_F(OfflineCommands, ImportFailuresExitWithOne) {
    Outcome run = Qvx({"import", "--format", "5", folder / "m.txt"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("Option Under Construction. Please Select Another"), std::string::npos);

    run = Qvx({"import", "--format", "0", folder / "gone.txt"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("gone.txt: No such file or directory"), std::string::npos) << run.Err;

    WriteText(folder / "other.txt", "something else\n1 2 3\n");
    run = Qvx({"import", "--format", "1", folder / "other.txt"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find(" is not a valid MLSSA exported data file."), std::string::npos)
        << run.Err;
    EXPECT_TRUE(run.Out.empty());
}

} // namespace
} // namespace quorvex
