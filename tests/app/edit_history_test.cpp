#include "app/edit_history.h"

#include "app/copy_outputs_form.h"
#include "app/delay_fino_form.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/xover_form.h"
#include "config/qvx_encoder.h"
#include "config/qvx_file.h"
#include "device_harness.h"
#include "image/coefficient_image.h"
#include "image/coefficient_word.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvex::testing {
namespace {

class History : public ::testing::Test {
protected:
    ProgramHarness h;
    EditHistory& history = h.App.History();
    TPEQForm& peq = h.App.Peq();

    /// Out `output`, band `band` made parametric, then its gain set: two steps.
    void SetBandGain(int output, int band, const std::string& gain) {
        peq.SelectOutput(output);
        peq.SelectBand(band);
        peq.TipoFiltroComboChange(1);
        history.Record();
        peq.FilterGainEditExit(gain);
        history.Record();
    }
    CoefficientImage Image() { return BuildCoefficientImage(h.Config(), h.Doc().Engine); }
    QvxRecord Record() { return EncodeConfigurationRecord(h.Config(), ""); }
};

TEST_F(History, AFreshProgramHasNothingToUndoOrRedo) {
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoText(), "");
    EXPECT_FALSE(history.Undo());
    EXPECT_FALSE(history.Redo());
}

TEST_F(History, EachEditIsAStepNamedForWhatItChanged) {
    SetBandGain(3, 2, "4.5");
    EXPECT_EQ(history.UndoText(), "Undo: Out3 band 2 gain");
    EXPECT_EQ(history.UndoNames(),
              (std::vector<std::string>{"Out3 band 2 gain", "Out3 band 2 type"}));
    h.App.Gains().MuteClick(5);
    history.Record();
    EXPECT_EQ(history.UndoText(), "Undo: SUB1 mute");
    h.App.Main().OutputNameChange(2, "Hi");
    history.Record();
    EXPECT_EQ(history.UndoText(), "Undo: Out2 name");
    EXPECT_EQ(history.StepCount(), 4U);
}

TEST_F(History, EveryHandlerCallIsAStepWithoutTheFormAskingForOne) {
    peq.SelectOutput(3);
    peq.SelectBand(2);
    peq.TipoFiltroComboChange(1);
    peq.FilterGainEditExit("4");
    peq.FilterGainEditExit("5");
    h.App.Xover().SelectOutput(2);
    h.App.Xover().OrdenSpinChange(CrossoverEdge::Upper, 4);
    EXPECT_EQ(history.UndoNames(),
              (std::vector<std::string>{"Out2 low pass", "Out3 band 2 gain", "Out3 band 2 gain",
                                        "Out3 band 2 type"}));
}

TEST_F(History, UndoAnnouncesTheHistoryAndTheWindowsItRefreshed) {
    SetBandGain(3, 2, "4.5");
    const int historyBefore = history.Changed().AnnouncementCount();
    const int equaliserBefore = peq.Changed().AnnouncementCount();
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(history.Changed().AnnouncementCount(), historyBefore + 1);
    EXPECT_EQ(peq.Changed().AnnouncementCount(), equaliserBefore + 1);
}

TEST_F(History, AHandlerThatChangesNothingIsNoStep) {
    peq.MagClick();
    history.Record();
    history.Record();
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(History, SelectingABandIsNoStepButGoesWithTheNextEdit) {
    // New configuration leaves Q 0.707; the selection puts it on the Q slider's 0.1 grid.
    peq.SelectOutput(2);
    history.Record();
    ASSERT_NE(h.Config().Output(2).Band(1).Q, 0.707);
    EXPECT_FALSE(history.CanUndo());

    peq.FrecSpinBClick(true); // one step of the spin button is the person's
    history.Record();
    EXPECT_EQ(history.UndoText(), "Undo: Out2 band 1 frequency");
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(h.Config().Output(2).Band(1).Q, 0.707);
    EXPECT_EQ(h.Config().Output(2).Band(1).Frequency, 1000.0);
}

TEST_F(History, UndoBringsBackTheValuesTheDesignsAndWhatTheEditorShows) {
    peq.SelectOutput(3);
    peq.SelectBand(2);
    peq.TipoFiltroComboChange(1);
    history.Record();
    const CoefficientImage image = Image();
    const QvxRecord record = Record();
    const TSOS section = h.Doc().Engine.Band(3, 2);
    const FrequencyResponse response = h.Doc().EqualiserResponse[2];
    const std::string field = peq.FilterGainEdit;
    const auto curve = peq.Curves[2];

    peq.FilterGainEditExit("9");
    history.Record();
    // The editor moves on elsewhere before the person undoes.
    peq.SelectOutput(1);
    ASSERT_NE(h.Doc().Engine.Band(3, 2).b0, section.b0);

    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(Record(), record);
    EXPECT_EQ(Image(), image);
    EXPECT_EQ(h.Doc().Engine.Band(3, 2).b0, section.b0);
    EXPECT_EQ(h.Doc().Engine.Band(3, 2).a2, section.a2);
    EXPECT_EQ(h.Doc().EqualiserResponse[2].Magnitude, response.Magnitude);
    // Back where the edit was made, showing the old value and curve.
    EXPECT_EQ(peq.Output, 3);
    EXPECT_EQ(peq.SpinFiltro, 2);
    EXPECT_EQ(peq.FilterGainEdit, field);
    EXPECT_EQ(peq.Curves[2], curve);
    EXPECT_EQ(history.RedoText(), "Redo: Out3 band 2 gain");

    EXPECT_TRUE(history.Redo());
    EXPECT_EQ(h.Config().Output(3).Band(2).Gain, 9.0);
    EXPECT_EQ(peq.FilterGainEdit, "9.0");
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(History, UndoShowsNoBoxNoProgressAndSendsNothingOffline) {
    SetBandGain(1, 1, "3");
    h.App.Xover().SelectOutput(2);
    h.App.Xover().FrecEditExit(CrossoverEdge::Lower, "150");
    history.Record();
    h.ClearRecords();
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(h.Dialogs.Messages.empty());
    EXPECT_TRUE(h.Progress.FirstLines.empty());
    EXPECT_EQ(h.Progress.Closes, 0);
    EXPECT_TRUE(h.Sink.Sent.empty());
}

TEST_F(History, ANewEditAfterUndoForgetsTheRedoneSteps) {
    SetBandGain(1, 1, "3");
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.CanRedo());
    h.App.Gains().InvClick(2);
    history.Record();
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoText(), "Undo: Out2 polarity");
}

TEST_F(History, ADragFromMouseDownToMouseUpIsOneStep) {
    peq.SelectOutput(1);
    peq.TipoFiltroComboChange(1);
    history.Record();
    const std::size_t before = history.StepCount();
    const PeqBand& band = h.Config().Output(1).Band(1);
    history.BeginStep();
    peq.MouseDown(band.Frequency, band.Gain);
    for (int k = 1; k <= 10; ++k) {
        peq.MouseMove(1000.0 + 100.0 * k, 0.5 * k);
        history.Record();
    }
    peq.MouseUp();
    history.EndStep();
    EXPECT_EQ(history.StepCount(), before + 1);
    ASSERT_NE(h.Config().Output(1).Band(1).Frequency, 1000.0);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(h.Config().Output(1).Band(1).Frequency, 1000.0);
    EXPECT_EQ(h.Config().Output(1).Band(1).Gain, 0.0);
}

TEST_F(History, CopyOutputsIsOneStepUndoneWhole) {
    SetBandGain(1, 3, "-6");
    const QvxRecord record = Record();
    TCopyOutputsForm& copy = h.App.CopyOutputs();
    copy.PEQXCheck = true;
    copy.OutGainCheck = true;
    copy.SetOrigen(1);
    copy.SetCopia(2);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    copy.OK_BitBtnClick();
    history.Record();
    ASSERT_EQ(h.Config().Output(2).Band(3).Gain, -6.0);
    EXPECT_EQ(history.UndoText(), "Undo: Copy outputs");
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Record(), record);
}

TEST_F(History, NewConfigurationOpenAndReadStartANewHistory) {
    SetBandGain(1, 1, "3");
    ASSERT_TRUE(history.CanUndo());
    h.Dialogs.Answers = {MessageAnswer::No};
    h.App.Main().NewButtonClick();
    EXPECT_FALSE(history.CanUndo());

    SetBandGain(1, 1, "3");
    h.Dialogs.Answers = {MessageAnswer::No};
    h.App.Main().OpenButtonClick(); // the open dialog is cancelled
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(History, AFileOpenedAtStartUpIsWhereTheHistoryStarts) {
    testing::ScratchFolder folder;
    const std::string path = folder / "rig.QVX";
    ProgramHarness writer;
    writer.App.Gains().MuteClick(6);
    ASSERT_FALSE(
        WriteConfigurationFile(path, EncodeConfigurationRecord(writer.App.Doc().Config, path)));

    h.App.Main().OpenStartFile(path);
    EXPECT_TRUE(h.Config().Output(6).Level.Muted);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(History, KeepsTheLastFiveHundredStepsInBoundedMemory) {
    peq.SelectOutput(1);
    peq.TipoFiltroComboChange(1);
    history.Record();
    for (int k = 0; k < 620; ++k) {
        peq.FilterGainEditExit(std::to_string(-10.0 + 0.1 * (k % 200)));
        history.Record();
    }
    EXPECT_EQ(history.StepCount(), EditHistory::StepLimit);
    // One equaliser step keeps the configuration, the band's sections and the output's
    // response: well under 20 kB.
    EXPECT_LT(history.StepBytes(), EditHistory::StepLimit * 20000);
    int undone = 0;
    while (history.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, 500);
    // 621 steps were made (the type, then 620 gains); the oldest kept point is the state
    // after step 121, the gain of k = 119.
    EXPECT_NEAR(h.Config().Output(1).Band(1).Gain, -10.0 + 0.1 * 119, 1e-9);
}

/// The coefficient word a real-time message carries for `value`.
WordBytes Word(long double value) {
    return EncodeCoefficientWord(value);
}

TEST_F(History, RealTimeUndoSendsOnlyTheSectionThatDiffers) {
    SetBandGain(3, 2, "4.5");
    h.GoRealTime();
    h.ClearRecords();
    ASSERT_TRUE(history.Undo());
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    const SentMessage& sent = h.Sink.Sent[0];
    EXPECT_EQ(sent.What, SentMessage::Kind::Section);
    EXPECT_EQ(sent.Dsp, 2);
    EXPECT_EQ(sent.Address, 11);
    const TSOS& section = h.Doc().Engine.Band(3, 2);
    EXPECT_EQ(Word(sent.Coefficients[0]), Word(section.b0));
    EXPECT_EQ(Word(sent.Coefficients[4]), Word(section.a2));

    h.ClearRecords();
    h.App.History().Redo();
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    EXPECT_EQ(h.Sink.Sent[0].Address, 11);
}

TEST_F(History, RealTimeUndoSendsSingleWordsAsTheEditorsDo) {
    h.App.Main().RouteBClick(4);
    history.Record();
    h.App.Delay().SetPosition(2, 234 - 10);
    history.Record();
    h.GoRealTime();
    h.ClearRecords();
    ASSERT_TRUE(history.Undo()); // the delay: one integer word, DelaySamples + 1
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    EXPECT_EQ(h.Sink.Sent[0].What, SentMessage::Kind::Integer);
    EXPECT_EQ(h.Sink.Sent[0].Dsp, 1);
    EXPECT_EQ(h.Sink.Sent[0].Address, 142);
    EXPECT_EQ(h.Sink.Sent[0].IntegerValue, 1);

    h.ClearRecords();
    ASSERT_TRUE(history.Undo()); // the route of Out4: its two factors on DSP 2
    ASSERT_EQ(h.Sink.Sent.size(), 2U);
    for (const SentMessage& sent : h.Sink.Sent) {
        EXPECT_EQ(sent.What, SentMessage::Kind::Coefficient);
        EXPECT_EQ(sent.Dsp, 2);
    }
    EXPECT_EQ(h.Sink.Sent[0].Address, 2);
    EXPECT_EQ(h.Sink.Sent[1].Address, 3);
    EXPECT_EQ(h.Sink.Sent[0].Value, h.Config().RouteGainA[3]);
    EXPECT_EQ(h.Sink.Sent[1].Value, h.Config().RouteGainB[3]);
}

/// The two DSP blocks of an image.
std::vector<std::uint8_t> DspWords(std::span<const std::uint8_t> image) {
    return {image.begin() + DspBlockOffsets[0], image.begin() + SettingsBlockOffset};
}

TEST(RealTimeHistory, TheUnitFollowsUndoAndRedoWordForWord) {
    DeviceHarness h;
    h.Connect();
    h.Main().NProgramSpinChange(30);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    ASSERT_TRUE(h.Main().WriteButtonClick());
    h.Dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::No};
    h.Main().RealTimeBClick();
    ASSERT_TRUE(h.Processor().RealTime);
    EditHistory& history = h.App.History();
    ASSERT_FALSE(history.CanUndo()) << "the read of real-time mode starts a new history";

    TPEQForm& peq = h.App.Peq();
    peq.SelectOutput(4);
    peq.SelectBand(3);
    peq.TipoFiltroComboChange(1);
    history.Record();
    peq.FilterGainEditExit("-7.5");
    history.Record();
    h.App.Gains().MuteClick(6);
    history.Record();
    h.App.Delay().SetPosition(1, 234 - 30);
    history.Record();
    const auto image = [&] { return DspWords(BuildCoefficientImage(h.Config(), h.Doc().Engine)); };
    const auto unit = [&] { return DspWords(h.Unit.Memory(30)); };
    // Each undo and redo must change in the unit exactly the words in which the two images
    // differ, to their new values, and leave every other word as the unit had it.
    const auto expectFollowed = [&](const std::vector<std::uint8_t>& unitBefore,
                                    const std::vector<std::uint8_t>& imageBefore,
                                    const std::string& step) {
        const std::vector<std::uint8_t> imageAfter = image();
        std::vector<std::uint8_t> expected = unitBefore;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (imageBefore[i] != imageAfter[i]) {
                expected[i] = imageAfter[i];
            }
        }
        EXPECT_NE(imageBefore, imageAfter) << step;
        EXPECT_EQ(unit(), expected) << step;
    };
    int steps = 0;
    for (;;) {
        const auto unitBefore = unit();
        const auto imageBefore = image();
        const std::string name = history.UndoText();
        if (!history.Undo()) {
            break;
        }
        expectFollowed(unitBefore, imageBefore, name);
        ++steps;
    }
    EXPECT_EQ(steps, 4); // type (with the band selected), gain, mute, delay
    for (;;) {
        const auto unitBefore = unit();
        const auto imageBefore = image();
        const std::string name = history.RedoText();
        if (!history.Redo()) {
            break;
        }
        expectFollowed(unitBefore, imageBefore, name);
    }
}

} // namespace
} // namespace quorvex::testing
