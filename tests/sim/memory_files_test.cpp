#include "sim/memory_files.h"
#include "sim/virtual_processor.h"

#include "unit_dialogue.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quorvex {
namespace {

using test::Bytes;
using test::PatternImage;

class StateDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory_ = std::filesystem::temp_directory_path() /
                     ("quorvex_sim_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        std::filesystem::remove_all(directory_);
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }

    std::filesystem::path directory_;
};

TEST(MemoryFileName, IsNumberedWithTwoDigits) {
    EXPECT_EQ(MemoryFileName(7), "memory_07.bin");
    EXPECT_EQ(MemoryFileName(30), "memory_30.bin");
    EXPECT_EQ(MemoryFileName(61), "memory_61.bin");
}

TEST_F(StateDirectory, ASavedMemoryIsLoadedByTheNextUnit) {
    const Bytes image = PatternImage(77);
    VirtualProcessor first;
    EXPECT_TRUE(LoadMemoryFiles(directory_, first).empty()) << "the directory is created";
    EXPECT_EQ(SaveMemoryFile(directory_, 30, image), "");

    VirtualProcessor second;
    EXPECT_TRUE(LoadMemoryFiles(directory_, second).empty());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), second.Memory(30).begin()));
    EXPECT_TRUE(
        std::equal(first.Memory(31).begin(), first.Memory(31).end(), second.Memory(31).begin()))
        << "memories without a file keep their contents";
    EXPECT_TRUE(second.TakeChangedMemories().empty()) << "loading is not a change to save";
    EXPECT_FALSE(std::filesystem::exists(directory_ / "memory_30.bin.partial"));
}

TEST_F(StateDirectory, AFileOfTheWrongSizeIsReportedAndIgnored) {
    std::filesystem::create_directories(directory_);
    std::ofstream(directory_ / "memory_12.bin", std::ios::binary) << "short";
    VirtualProcessor unit;
    const std::vector<std::string> problems = LoadMemoryFiles(directory_, unit);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(problems[0].find("memory_12.bin"), std::string::npos);
    EXPECT_TRUE(
        std::equal(unit.Memory(12).begin(), unit.Memory(12).end(), unit.Memory(13).begin()));
}

TEST_F(StateDirectory, ADirectoryThatCannotBeMadeIsReported) {
    std::filesystem::create_directories(directory_);
    std::ofstream(directory_ / "plain_file") << "x";
    VirtualProcessor unit;
    EXPECT_EQ(LoadMemoryFiles(directory_ / "plain_file", unit).size(), 1U);
    EXPECT_NE(SaveMemoryFile(directory_ / "plain_file", 30, PatternImage(1)), "");
}

} // namespace
} // namespace quorvex
