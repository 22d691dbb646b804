#include "link/operating_system_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quorvex {
namespace {

std::string ProgramText(const std::string& wordLine, int wordLines) {
    std::string text = "0x02 , 0x00 , \n";
    for (int i = 0; i < wordLines; ++i) {
        text += wordLine + "\n";
    }
    return text;
}

TEST(OperatingSystemText, DefaultTextHasTheDocumentedForm) {
    const std::string& text = DefaultOperatingSystemText();
    EXPECT_TRUE(text.starts_with("0x02 , 0x00 , \n0x00 , 0x00 , 0x00 , 0x01 , 0x84 , \n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 513) << "first line and 512 words";
    EXPECT_TRUE(text.ends_with("0x00 , 0x00 , 0x1F , 0xA1 , 0x84 , \n"));

    std::string error;
    const std::optional<OperatingSystemImage> image = ParseOperatingSystemText(text, error);
    ASSERT_TRUE(image) << error;
    const std::vector<std::uint8_t> first(image->begin(), image->begin() + 20);
    EXPECT_EQ(first, (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x01, 0x84, 0x00, 0x00,
                                                0x00, 0x01, 0x00, 0x00, 0x40, 0x02, 0x00,
                                                0x00, 0x01, 0x10, 0x00, 0x01, 0x84}));
    const std::vector<std::uint8_t> last(image->end() - 5, image->end());
    EXPECT_EQ(last, (std::vector<std::uint8_t>{0x00, 0x00, 0x1F, 0xA1, 0x84}));
}

TEST(OperatingSystemText, DigitsAreTheThirdAndFourthCharacterOfEachItem) {
    std::string error;
    const std::optional<OperatingSystemImage> image =
        ParseOperatingSystemText(ProgramText("0xab , 0xZ7 , 0x1F , 0x9 , ", 512), error);
    ASSERT_TRUE(image) << error;
    // Lower case counts, any other character is 0, a short line leaves zeros.
    EXPECT_EQ(image->at(0), 0xAB);
    EXPECT_EQ(image->at(1), 0x07);
    EXPECT_EQ(image->at(2), 0x1F);
    EXPECT_EQ(image->at(3), 0x90);
    EXPECT_EQ(image->at(4), 0x00);
    EXPECT_EQ(image->at(2559), 0x00);
}

TEST(OperatingSystemText, WindowsLineEndsReadTheSame) {
    std::string text = ProgramText("0x12 , 0x34 , 0x56 , 0x78 , 0x9A , ", 512);
    std::string crlf;
    for (char c : text) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    std::string error;
    EXPECT_EQ(ParseOperatingSystemText(crlf, error), ParseOperatingSystemText(text, error));
}

TEST(OperatingSystemText, TruncatedTextIsRefused) {
    std::string error;
    EXPECT_FALSE(
        ParseOperatingSystemText(ProgramText("0x01 , 0x01 , 0x01 , 0x01 , 0x01 , ", 300), error));
    EXPECT_EQ(error, "The operating system text holds 300 program words instead of 512.");
    EXPECT_FALSE(ParseOperatingSystemText("", error));
}

TEST(OperatingSystemText, FileIsReadWholeOrReportedMissing) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "quorvex_link_os_test.txt";
    {
        std::ofstream file(path, std::ios::binary);
        file << DefaultOperatingSystemText();
    }
    std::string error;
    EXPECT_EQ(ReadOperatingSystemFile(path, error), DefaultOperatingSystemText());
    std::filesystem::remove(path);
    EXPECT_FALSE(ReadOperatingSystemFile(path, error));
    EXPECT_NE(error.find("quorvex_link_os_test.txt"), std::string::npos);
}

} // namespace
} // namespace quorvex
