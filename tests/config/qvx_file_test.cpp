#include "config/qvx_file.h"

#include "config/qvx_encoder.h"
#include "qvx_sample_configuration.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteRaw(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class QvxFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("qvx_file_test_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder;
    QvxRecord sample = EncodeConfigurationRecord(test::SampleConfiguration(), "sample.QVX");
    QvxRecord other = EncodeConfigurationRecord(test::ResetConfiguration(), "other.QVX");
};

TEST_F(QvxFileTest, WritesExactlyTheRecordAndReadsItBack) {
    const fs::path path = folder / "show.QVX";
    EXPECT_FALSE(WriteConfigurationFile(path, sample).has_value());
    EXPECT_EQ(Contents(path), Bytes(sample.begin(), sample.end()));
    EXPECT_EQ(Entries(), std::vector<std::string>{"show.QVX"});

    const QvxFileContents read = ReadConfigurationFile(path);
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Bytes, Bytes(sample.begin(), sample.end()));
    EXPECT_EQ(read.Layout, QvxLayout::Current);
}

TEST_F(QvxFileTest, ReplacesAnExistingFileWhole) {
    const fs::path path = folder / "show.QVX";
    WriteRaw(path, Bytes(5000, 0xAA));
    EXPECT_FALSE(WriteConfigurationFile(path, other).has_value());
    EXPECT_EQ(Contents(path), Bytes(other.begin(), other.end()));
    EXPECT_EQ(Entries().size(), 1U);
}

TEST_F(QvxFileTest, TellsTheLayoutFromTheSizeAndReadsLittleOfAHugeFile) {
    const fs::path path = folder / "old.QVX";
    for (std::size_t size : {2664U, 2436U}) {
        WriteRaw(path, test::Cut(sample, size));
        const QvxFileContents read = ReadConfigurationFile(path);
        ASSERT_TRUE(read.Ok());
        EXPECT_EQ(read.Bytes.size(), size);
        EXPECT_EQ(read.Layout, size == 2664 ? QvxLayout::WithoutGates : QvxLayout::Oldest);
    }
    for (std::size_t size : {0U, 100U, 2687U}) {
        WriteRaw(path, test::Cut(sample, size));
        EXPECT_EQ(ReadConfigurationFile(path).Layout, std::nullopt) << size;
    }
    Bytes huge(sample.begin(), sample.end());
    huge.resize(4 * 1024 * 1024, 0x55);
    WriteRaw(path, huge);
    const QvxFileContents read = ReadConfigurationFile(path);
    EXPECT_EQ(read.Bytes.size(), 2689U) << "never more than one byte past the record";
    EXPECT_EQ(read.Layout, std::nullopt);
}

TEST_F(QvxFileTest, ReportsTheSystemsMessageWhenItCannotRead) {
    const QvxFileContents missing = ReadConfigurationFile(folder / "missing.QVX");
    EXPECT_EQ(missing.Error, std::strerror(ENOENT));
    EXPECT_TRUE(missing.Bytes.empty());

    const QvxFileContents directory = ReadConfigurationFile(folder);
    EXPECT_EQ(directory.Error, std::strerror(EISDIR));
    EXPECT_TRUE(directory.Bytes.empty());
}

TEST_F(QvxFileTest, FailsIntoAMissingFolderLeavingNothing) {
    const auto error = WriteConfigurationFile(folder / "no such folder" / "show.QVX", sample);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, std::strerror(ENOENT));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(QvxFileTest, FailsOverAFolderOfTheSameNameAndRemovesItsTemporaryFile) {
    // The record is written completely before the replacement fails.
    const fs::path target = folder / "show.QVX";
    fs::create_directory(target);
    const auto error = WriteConfigurationFile(target, sample);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, std::strerror(EISDIR));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(Entries(), std::vector<std::string>{"show.QVX"});
}

TEST_F(QvxFileTest, KeepsThePermissionsOfTheFileItReplaces) {
    const fs::path path = folder / "show.QVX";
    WriteRaw(path, Bytes(10, 0));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(WriteConfigurationFile(path, sample).has_value());
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(QvxFileTest, RefusesAFileNobodyMayWrite) {
    const fs::path path = folder / "locked.QVX";
    WriteRaw(path, Bytes(sample.begin(), sample.end()));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    const auto error = WriteConfigurationFile(path, other);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, std::strerror(EACCES));
    EXPECT_EQ(Contents(path), Bytes(sample.begin(), sample.end()));
}

TEST_F(QvxFileTest, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    const fs::path real = folder / "real.QVX";
    const fs::path link = folder / "link.QVX";
    WriteRaw(real, Bytes(sample.begin(), sample.end()));
    fs::create_symlink(real, link);
    EXPECT_FALSE(WriteConfigurationFile(link, other).has_value());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(real), Bytes(other.begin(), other.end()));
    EXPECT_EQ(Entries().size(), 2U);
}

TEST_F(QvxFileTest, CreatesTheFileADanglingLinkNamesAndKeepsTheLink) {
    fs::create_directory(folder / "shows");
    const fs::path link = folder / "link.QVX";
    fs::create_symlink(fs::path("shows") / "new.QVX", link); // relative to the link's folder
    EXPECT_FALSE(WriteConfigurationFile(link, other).has_value());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(folder / "shows" / "new.QVX"), Bytes(other.begin(), other.end()));
}

TEST_F(QvxFileTest, FailsThroughALinkIntoAMissingFolderAndKeepsTheLink) {
    const fs::path link = folder / "link.QVX";
    fs::create_symlink(fs::path("missing-folder") / "new.QVX", link);
    const auto error = WriteConfigurationFile(link, other);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, std::strerror(ENOENT));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Entries(), std::vector<std::string>{"link.QVX"});
}

TEST_F(QvxFileTest, FollowsAChainOfLinksButNotALoop) {
    const fs::path real = folder / "real.QVX";
    fs::create_symlink(real, folder / "first.QVX");
    fs::create_symlink(folder / "first.QVX", folder / "second.QVX");
    EXPECT_FALSE(WriteConfigurationFile(folder / "second.QVX", other).has_value());
    EXPECT_EQ(Contents(real), Bytes(other.begin(), other.end()));

    fs::create_symlink(folder / "loop-b.QVX", folder / "loop-a.QVX");
    fs::create_symlink(folder / "loop-a.QVX", folder / "loop-b.QVX");
    const auto error = WriteConfigurationFile(folder / "loop-a.QVX", other);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, std::strerror(ELOOP));
    EXPECT_TRUE(fs::is_symlink(folder / "loop-a.QVX"));
}

TEST_F(QvxFileTest, SavesUnderANameAtTheSystemsLengthLimit) {
    const fs::path path = folder / (std::string(251, 'n') + ".QVX");
    EXPECT_FALSE(WriteConfigurationFile(path, sample).has_value());
    EXPECT_EQ(Contents(path), Bytes(sample.begin(), sample.end()));
}

/// Runs the write in a child process that cannot write into `folder`: as an ordinary user
/// the read-only permission suffices; the super-user first becomes "nobody".
std::string WriteAsUnprivileged(const fs::path& path, const QvxRecord& record) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return "pipe failed";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        const auto error = WriteConfigurationFile(path, record);
        const std::string message = error.value_or("written");
        const ssize_t ignored = ::write(pipeEnds[1], message.data(), message.size());
        static_cast<void>(ignored);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string message;
    char buffer[256];
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        message.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return message;
}

TEST_F(QvxFileTest, FailsInAReadOnlyFolderAndLeavesTheOldFile) {
    const fs::path path = folder / "show.QVX";
    WriteRaw(path, Bytes(sample.begin(), sample.end()));
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.c_str(), 0555);
    EXPECT_EQ(WriteAsUnprivileged(path, other), std::strerror(EACCES));
    EXPECT_EQ(Contents(path), Bytes(sample.begin(), sample.end()));
    EXPECT_EQ(Entries(), std::vector<std::string>{"show.QVX"});
}

} // namespace
} // namespace quorvex
