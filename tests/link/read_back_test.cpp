#include "config/level_setting.h"
#include "config/new_configuration.h"
#include "config/route.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "image/dsp_address.h"
#include "image/real_time_word.h"
#include "link/real_time_sender.h"
#include "pty_fixture.h"
#include "sim/memory_layout.h"

#include <algorithm>

namespace quorvex::test {
namespace {

/// A configuration away from the defaults in every part the settings block carries, each
/// value on its control's steps.
Configuration EditedConfiguration() {
    Configuration config;
    NewConfiguration(config);
    config.SystemInfo.SystemName = "Main hall left";
    config.OutputNames[3] = "Fill";
    config.Output(4).Delay.DelaySamples = 10;
    config.Output(1).Delay.DelaySamples = 234;
    config.Output(2).Delay.RelativeDistanceSamples = 17;
    PeqBand& band = config.Output(3).Band(2);
    band.FilterType = 1;
    band.Frequency = 1250;
    band.Gain = -4.5;
    band.Q = 2.5;
    config.Output(6).Band(3).Frequency = 80;
    config.Output(1).Crossover.HighPass.Frequency = 120;
    config.Output(1).Crossover.HighPass.Order = 4;
    config.Output(2).Crossover.SoloLowPass = true;
    LevelSetting& level = config.Output(5).Level;
    level.GainDb = LevelDbFromPosition(100);
    level.Muted = true;
    level.MuteFactor = 0.0;
    level.PolarityInverted = true;
    level.PolaritySign = -1.0F;
    level.GainFactor = GainFactorOf(level.GainDb, level.PolaritySign);
    config.TemperatureC = 31;
    config.Block(2).Ratio = 4.0F;
    config.Block(3).ThresholdDb = -10.6F;
    config.Block(1).Bypass = 1;
    config.SubFeed[1] = {0.0, 1.0, 1.0, 0.0};
    SetRoute(config, 2, 1);
    return config;
}

Bytes ImageOf(Configuration config) {
    EngineObjects objects;
    DesignAll(config, objects);
    const CoefficientImage image = BuildCoefficientImage(config, objects);
    return Bytes(image.begin(), image.end());
}

Bytes SettingsPart(const Bytes& image) {
    // The names and the settings block: what a read-back rebuilds the configuration from.
    // Sized once and filled in place: growing it by insert makes g++ 12's optimiser warn
    // about a copy it never performs.
    const auto names = image.begin() + SystemNameOffset;
    const auto namesEnd = image.begin() + DspBlockOffsets[0];
    const auto settings = image.begin() + SettingsBlockOffset;
    const auto settingsEnd = image.begin() + FillOffset;
    Bytes part(static_cast<std::size_t>((namesEnd - names) + (settingsEnd - settings)));
    std::copy(settings, settingsEnd, std::copy(names, namesEnd, part.begin()));
    return part;
}

using ReadBack = OverPty;

TEST_F(ReadBack, WriteThenReadRestoresTheConfiguration) {
    const Configuration written = EditedConfiguration();
    const Bytes image = ImageOf(written);
    ASSERT_TRUE(operations.WriteMemory(30, image, MemoryProtection{}).Ok);

    Configuration read;
    NewConfiguration(read);
    link.writes.clear();
    const OperationResult result = operations.ReadMemory(30, read);

    ASSERT_TRUE(result.Ok);
    EXPECT_FALSE(serial.IsOpen()) << "a read closes the port at its end";
    EXPECT_EQ(link.writes.front(), Bytes{0x85});
    const Bytes sent = link.Sent();
    EXPECT_EQ((Bytes(sent.begin(), sent.begin() + 8)),
              (Bytes{0x85, 0x04, 30, 30, 0x00, 0x00, 0x55, 0x85}))
        << "command 4, then START opens the read";
    EXPECT_EQ(read.Output(4).Delay.DelaySamples, 10);
    EXPECT_EQ(read.Output(1).Delay.DelaySamples, 234);
    EXPECT_EQ(read.SystemInfo.SystemName, "Main hall left                          ");
    EXPECT_EQ(read.Output(3).Band(2).Frequency, 1250);
    EXPECT_DOUBLE_EQ(read.Output(3).Band(2).Gain, -4.5);
    EXPECT_DOUBLE_EQ(read.Output(3).Band(2).Q, 2.5);
    EXPECT_TRUE(read.Output(5).Level.Muted);
    EXPECT_TRUE(read.Output(5).Level.PolarityInverted);
    EXPECT_EQ(read.TemperatureC, 31);
    EXPECT_EQ(read.Route[1], 1);
    // Every field the settings block carries: building again gives the same block.
    EXPECT_EQ(SettingsPart(ImageOf(read)), SettingsPart(image));
    EXPECT_TRUE(StatusShown("Reading Configuration 30 from the Quorvex"));
    EXPECT_TRUE(StatusShown("LONG : 2046"));
    EXPECT_TRUE(StatusShown("Rest..."));
    EXPECT_EQ(window.Status(), "Comunication is OK...");
    EXPECT_EQ(window.ProgressPosition(), 2046);
}

TEST_F(ReadBack, WrongBeginIsReportedButTheReadGoesOn) {
    unit.Inspect([](VirtualProcessor& processor) { processor.SetFault({Fault::WrongBegin, 0}); });
    const ReceiveResult received = protocol.Receive(21);

    EXPECT_TRUE(received.Transfer.Ok);
    EXPECT_TRUE(StatusShown("  ¡¡ERROR!! El dato no es el esperado (129)"));
    EXPECT_EQ(received.Image.size(), 2046U);
}

TEST_F(ReadBack, WrongEndFailsTheReadAndDecodesNothing) {
    unit.Inspect([](VirtualProcessor& processor) { processor.SetFault({Fault::WrongReadEnd, 0}); });
    Configuration read;
    read.TemperatureC = 44;
    const OperationResult result = operations.ReadMemory(21, read);

    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(window.Status(), " ERROR FINAL...");
    EXPECT_EQ(read.TemperatureC, 44);
}

TEST_F(ReadBack, UnitHangingUpMidReadFailsAndDecodesNothing) {
    // The request and six steps of the read are sent; the line dies inside the data.
    unit.Inspect([](VirtualProcessor& processor) { processor.SetFault({Fault::Disconnect, 15}); });
    Configuration read;
    read.TemperatureC = 44;

    const OperationResult result = operations.ReadMemory(21, read);

    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.ConnectionLost);
    EXPECT_EQ(read.TemperatureC, 44);
    EXPECT_TRUE(StatusShown(" ¡¡ERROR!! DATA stopped"));
    ASSERT_FALSE(result.Messages.empty());
    EXPECT_EQ(result.Messages.back().Kind, NoticeKind::Error);
    EXPECT_FALSE(serial.IsOpen());
}

TEST_F(ReadBack, RealTimeSectionReachesTheCurrentMemory) {
    const Bytes image = ImageOf(Configuration{});
    ASSERT_TRUE(operations.WriteMemory(30, image, MemoryProtection{}).Ok);
    RealTimeSender sender(protocol, loop);
    const std::array<long double, 5> section{1.0L, -0.5L, 0.25L, -1.0L, 0.1L};
    link.writes.clear();

    // Band 2 of Out3: DSP 2, address 6 + 5.
    ASSERT_TRUE(sender.SendSection(2, EqualiserSectionWord(1, 2), section));

    const Bytes words{0x10, 0x00, 0x00, 0x38, 0x00, 0x00, 0x04, 0x00,
                      0x00, 0x30, 0x00, 0x00, 0x01, 0x99, 0x99};
    Bytes frame{0x85, 0x12, 0x02, 0x00, 0x00, 0x0B};
    frame.insert(frame.end(), words.begin(), words.end());
    frame.push_back(0x55);
    EXPECT_EQ(link.Sent(), frame);
    EXPECT_EQ(link.writes.size(), frame.size()) << "one byte per write";
    EXPECT_FALSE(serial.IsOpen());

    const ReceiveResult received = protocol.Receive(30);
    ASSERT_TRUE(received.Transfer.Ok);
    const auto at = received.Image.begin() + static_cast<std::ptrdiff_t>(sim::WordOffset(2, 11));
    EXPECT_EQ(Bytes(at, at + 15), words);
}

} // namespace
} // namespace quorvex::test
