#include "ui/desktop_options.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

std::optional<DesktopOptions> Parse(const std::vector<std::string>& arguments,
                                    std::string* error = nullptr) {
    std::string message;
    auto options = ParseDesktopOptions(arguments, message);
    if (error != nullptr) {
        *error = message;
    }
    return options;
}

TEST(DesktopOptions, NoArgumentsRunOfflineWithThePlatformPorts) {
    const auto options = Parse({});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->File.empty());
    EXPECT_FALSE(options->VirtualUnit);
    EXPECT_TRUE(options->GrabFolder.empty());
    EXPECT_EQ(options->Ports.PathOf(1), PlatformPortName(1));
}

TEST(DesktopOptions, TakesTheFileThePortsAndTheGrabFolderInAnyOrder) {
    const auto options =
        Parse({"--grab", "/tmp/g", "rig.QVX", "--com3", "/dev/ttyUSB0", "--com1=/dev/pts/7"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->File, "rig.QVX");
    EXPECT_EQ(options->GrabFolder, "/tmp/g");
    EXPECT_EQ(options->Ports.PathOf(3), "/dev/ttyUSB0");
    EXPECT_EQ(options->Ports.PathOf(1), "/dev/pts/7");
}

TEST(DesktopOptions, VirtualUnitFolderIsOptional) {
    auto options = Parse({"--virtual-unit"});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->VirtualUnit);
    EXPECT_TRUE(options->VirtualUnitFolder.empty());

    options = Parse({"--virtual-unit", "/tmp/unit", "--grab", "g"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->VirtualUnitFolder, "/tmp/unit");
    EXPECT_EQ(options->GrabFolder, "g");

    options = Parse({"--virtual-unit=/var/unit"});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->VirtualUnit);
    EXPECT_EQ(options->VirtualUnitFolder, "/var/unit");
}

TEST(DesktopOptions, AConfigurationFileAfterVirtualUnitIsTheFileNotTheFolder) {
    const auto options = Parse({"--virtual-unit", "stage.qvx"});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->VirtualUnit);
    EXPECT_TRUE(options->VirtualUnitFolder.empty());
    EXPECT_EQ(options->File, "stage.qvx");
}

TEST(DesktopOptions, RefusesWhatItCannotUse) {
    std::string error;
    EXPECT_FALSE(Parse({"--grab"}, &error));
    EXPECT_NE(error.find("--grab"), std::string::npos);
    EXPECT_FALSE(Parse({"--grab", "--virtual-unit"}, &error));
    EXPECT_FALSE(Parse({"--grab="}, &error));
    EXPECT_FALSE(Parse({"--com2"}, &error));
    EXPECT_NE(error.find("--com2"), std::string::npos);
    EXPECT_FALSE(Parse({"--colour"}, &error));
    EXPECT_NE(error.find("--colour"), std::string::npos);
    EXPECT_FALSE(Parse({"a.QVX", "b.QVX"}, &error));
    EXPECT_NE(error.find("b.QVX"), std::string::npos);
}

} // namespace
} // namespace quorvex
