#include "app/scratch_folder.h"
#include "cli/qvx_tool.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <sstream>

namespace quorvex {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

int Qvx(std::vector<std::string> arguments, std::string* errors = nullptr) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunQvx(arguments, out, err);
    if (errors != nullptr) {
        *errors = err.str();
    }
    return code;
}

QString PdfText(const std::string& path) {
    QProcess process;
    process.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(SheetCommand, WritesTheSheetOfASavedConfiguration) {
    ScratchFolder folder;
    const std::string rig = folder / "rig.QVX";
    ASSERT_EQ(Qvx({"new", "-o", rig}), 0);
    auto record = ReadBytes(rig);
    // Out1 band 1 as a +6 dB parametric band at 1000 Hz (gain, frequency, Q, then the type).
    const auto bits = std::bit_cast<std::uint64_t>(6.0);
    for (std::size_t i = 0; i < 8; ++i) {
        record.at(532 + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    record.at(556) = 1;
    WriteBytes(rig, record);

    const std::string sheet = folder / "rig.pdf";
    ASSERT_EQ(Qvx({"sheet", rig, "-o", sheet}), 0);
    const QString text = PdfText(sheet);
    EXPECT_TRUE(text.contains(QRegularExpression(R"(\b1\s+Parametric\s+1000\s+6\.0\s+0\.7\b)")))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Final Frequency Response"));
}

TEST(SheetCommand, WritesNothingWithoutAReadableFileOrAnOutput) {
    ScratchFolder folder;
    const std::string sheet = folder / "rig.pdf";
    std::string errors;
    EXPECT_EQ(Qvx({"sheet", folder / "missing.QVX", "-o", sheet}, &errors), 1);
    EXPECT_FALSE(errors.empty());
    EXPECT_FALSE(std::filesystem::exists(sheet));
    EXPECT_EQ(Qvx({"sheet", folder / "missing.QVX"}), 2);
    EXPECT_EQ(Qvx({"sheet", "-o", sheet}), 2);
}

} // namespace
} // namespace quorvex
