#include "app/copy_outputs_form.h"

#include "app/delay_fino_form.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace quorvex {
namespace {

using testing::ProgramHarness;

class CopyOutputs : public ::testing::Test {
protected:
    ProgramHarness h;
    TCopyOutputsForm& copy = h.App.CopyOutputs();
};

TEST_F(CopyOutputs, GroupButtonsSetTheNumbersAndTheirRange) {
    copy.SubRBClick();
    EXPECT_EQ(copy.OrigenSpin, 5);
    EXPECT_EQ(copy.CopiaSpin, 6);
    copy.SetOrigen(2);
    EXPECT_EQ(copy.OrigenSpin, 5);
    copy.SetCopia(9);
    EXPECT_EQ(copy.CopiaSpin, 6);
    copy.OutRBClick();
    EXPECT_EQ(copy.OrigenSpin, 1);
    EXPECT_EQ(copy.CopiaSpin, 2);
    copy.SetCopia(5);
    EXPECT_EQ(copy.CopiaSpin, 4);
}

TEST_F(CopyOutputs, CopyAllChecksEveryBoxAndUncheckingKeepsThem) {
    copy.CopyAllClick(true);
    EXPECT_TRUE(copy.XoverCheck && copy.PEQXCheck && copy.OutDelayCheck && copy.OutGainCheck &&
                copy.NamesCheck && copy.DynamicCheck && copy.RouteCheck);
    copy.CopyAllClick(false);
    EXPECT_TRUE(copy.RouteCheck && copy.DynamicCheck);
}

TEST_F(CopyOutputs, SameOutputDoesNothingAndAsksNothing) {
    copy.CopyAllClick(true);
    h.GoRealTime();
    copy.CopyOutput(1, 1);
    EXPECT_TRUE(h.Dialogs.Messages.empty());
    EXPECT_TRUE(h.Processor().RealTime);
}

TEST_F(CopyOutputs, NoStillLeavesRealTimeOff) {
    copy.CopyAllClick(true);
    h.App.Main().OutputNameChange(1, "Main");
    h.GoRealTime();
    h.App.Main().RealTimePictureOn = true;
    h.Dialogs.Answers = {MessageAnswer::No};
    copy.CopyOutput(1, 3);
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "Do you want to copy data from Output 1 to Output 3 ?");
    EXPECT_EQ(h.Dialogs.Messages[0].Buttons, MessageButtons::YesNo);
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(h.App.Main().RealTimePictureOn);
    EXPECT_EQ(h.Config().OutputNames[2], "Out3");
}

TEST_F(CopyOutputs, CopyAllCarriesRouteDynamicsNameDelayAndSpeakerFile) {
    Configuration& config = h.Config();
    h.App.Main().RouteBClick(1); // A+B
    config.Block(1).ThresholdDb = -12.0F;
    config.Block(1).Ratio = 4.0F;
    config.Block(1).LookAheadSamples = 20;
    config.Block(1).MakeupGainDb = 3.0F;
    config.Block(1).NoiseGatePosition = 5.0F;
    const auto file = std::filesystem::temp_directory_path() / "quorvex_copy_top.txt";
    std::ofstream(file) << "not a measurement\n";
    config.Output(1).SpeakerFile = file.string();
    h.App.Main().OutputNameChange(1, "Top");
    h.App.Delay().MsEditEnter(1, "1.00");
    h.App.Delay().DistanceEnter(1, "34.6");
    copy.CopyAllClick(true);
    copy.SetCopia(3);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    copy.OK_BitBtnClick();

    EXPECT_FALSE(copy.Visible);
    EXPECT_EQ(config.Route[2], 1);
    EXPECT_EQ(config.RouteGainA[2], 0.5);
    EXPECT_EQ(config.RouteGainB[2], 0.5);
    EXPECT_EQ(h.App.Main().RoutePicture[2], 1);
    EXPECT_EQ(config.Block(2).ThresholdDb, -12.0F);
    EXPECT_EQ(config.Block(2).Ratio, 4.0F);
    EXPECT_EQ(config.Block(2).LookAheadSamples, 20);
    EXPECT_EQ(config.Block(2).MakeupGainDb, 0.0F);
    EXPECT_EQ(config.Block(2).NoiseGatePosition, 13.0F);
    EXPECT_EQ(config.Output(3).SpeakerFile, file.string());
    // Every output is imported again: both fields name the file, which is refused twice.
    const std::string refused = file.string() + " is not a valid CLIO exported data file.";
    EXPECT_EQ(h.Dialogs.Texts(),
              (std::vector<std::string>{"Do you want to copy data from Output 1 to Output 3 ?",
                                        refused, refused}));
    std::filesystem::remove(file);
    EXPECT_EQ(config.OutputNames[2], "Top");
    EXPECT_EQ(config.Output(3).Delay.DelaySamples, 48);
    EXPECT_EQ(config.Output(3).Delay.RelativeDistanceSamples, 48);
    EXPECT_EQ(h.App.Delay().DistanceText[2], "34.6");
    EXPECT_EQ(h.App.Main().DelayText[2], "1.00 ms");
}

TEST_F(CopyOutputs, DynamicsOfTheSameProcessorAreNotCopied) {
    Configuration& config = h.Config();
    config.Block(1).ThresholdDb = -12.0F;
    const DynamicsSetting block2 = config.Block(2);
    copy.DynamicCheck = true;
    h.Dialogs.Answers = {MessageAnswer::Yes};
    copy.CopyOutput(1, 2);
    EXPECT_EQ(config.Block(1).ThresholdDb, -12.0F);
    EXPECT_EQ(config.Block(2).ThresholdDb, block2.ThresholdDb);
    EXPECT_EQ(h.Dialogs.Messages.size(), 1U);
}

TEST_F(CopyOutputs, GainCopyCarriesLevelPolarityAndMute) {
    TGainsForm& gains = h.App.Gains();
    gains.GainEditEnter(1, "-6.0");
    gains.InvClick(1);
    gains.MuteClick(1);
    copy.OutGainCheck = true;
    h.Dialogs.Answers = {MessageAnswer::Yes};
    copy.CopyOutput(1, 3);
    const LevelSetting& target = h.Config().Output(3).Level;
    EXPECT_EQ(gains.Position[2], 121);
    EXPECT_EQ(gains.GainText[2], "-6.0");
    EXPECT_TRUE(gains.InvLamp[2]);
    EXPECT_TRUE(gains.MuteLamp[2]);
    EXPECT_TRUE(target.PolarityInverted);
    EXPECT_TRUE(target.Muted);
    EXPECT_NEAR(target.GainFactor, -0.50119, 1e-5);
    EXPECT_EQ(target.MuteFactor, 0.0);
    EXPECT_TRUE(h.App.Main().MuteLabelVisible[2]);
    EXPECT_FALSE(h.App.Main().OutputNameEnabled[2]);
    // Out3 muted, Out4 playing.
    const SubFeedCoefficients& feed = h.Config().SubFeed[1];
    EXPECT_EQ((std::array{feed.P, feed.Q, feed.R, feed.S}), (std::array{0.0, 1.0, 0.0, 1.0}));
}

TEST_F(CopyOutputs, CrossoverCopyTakesBothSectionsAndSoloFlags) {
    CrossoverSetting& source = h.Config().Output(2).Crossover;
    source.HighPass = {80.0, 4, 4};
    source.LowPass = {2000.0, 3, 5};
    source.SoloLowPass = true;
    copy.XoverCheck = true;
    h.Dialogs.Answers = {MessageAnswer::Yes};
    copy.CopyOutput(2, 4);
    const CrossoverSetting& target = h.Config().Output(4).Crossover;
    EXPECT_EQ(target.HighPass.Frequency, 80.0);
    EXPECT_EQ(target.HighPass.Order, 4);
    EXPECT_EQ(target.HighPass.Family, 4);
    EXPECT_EQ(target.LowPass.Frequency, 2000.0);
    EXPECT_EQ(target.LowPass.Family, 5);
    EXPECT_TRUE(target.SoloLowPass);
    EXPECT_FALSE(target.SoloHighPass);
}

TEST_F(CopyOutputs, EqualiserCopyUsesEveryBandOfTheTarget) {
    Configuration& config = h.Config();
    config.Output(5).Band(3) = PeqBand{1, -4.5, 63.0, 2.0};
    copy.SubRBClick();
    copy.PEQXCheck = true;
    h.Dialogs.Answers = {MessageAnswer::Yes};
    copy.OK_BitBtnClick();
    EXPECT_EQ(config.Output(6).Band(3).Gain, -4.5);
    EXPECT_EQ(config.Output(6).Band(3).Frequency, 63.0);
    EXPECT_EQ(config.Output(6).BandsInUse, 3);
    EXPECT_NE(h.Doc().Engine.Band(6, 3).b0, 1.0L);
}

TEST_F(CopyOutputs, EqualiserCopyOfMainOutputsUsesSevenBands) {
    h.Config().Output(4).Band(1) = PeqBand{1, 6.0, 1000.0, 1.0};
    h.Config().Output(4).Band(7) = PeqBand{4, 0.0, 15000.0, 0.707};
    h.Config().Output(1).Band(2) = PeqBand{1, 3.0, 500.0, 1.0};
    copy.PEQXCheck = true;
    h.Dialogs.Answers = {MessageAnswer::Yes};
    copy.CopyOutput(4, 1);
    EXPECT_EQ(h.Config().Output(1).Band(7).FilterType, 4);
    EXPECT_EQ(h.Config().Output(1).BandsInUse, 7);
    EXPECT_NEAR(h.Doc().Engine.Band(1, 7).Frequency, 15000.0, 1.0); // as its slider holds it
    EXPECT_NE(h.Doc().Engine.Band(1, 7).b0, 1.0L);
    EXPECT_EQ(h.Config().Output(1).Band(2).FilterType, 0);
    EXPECT_EQ(h.Doc().Engine.Band(1, 2).b0, 1.0L);
    // The target's equaliser response now peaks with the copied band.
    const auto& magnitude = h.Doc().EqualiserResponse[0].Magnitude;
    EXPECT_NEAR(*std::max_element(magnitude.begin(), magnitude.begin() + 401), 6.0, 0.05);
}

} // namespace
} // namespace quorvex
