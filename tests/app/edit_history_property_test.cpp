#include "app/copy_outputs_form.h"
#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/edit_history.h"
#include "app/gains_form.h"
#include "app/loudness_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/speaker_form.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"
#include "config/qvx_encoder.h"
#include "fakes.h"
#include "image/coefficient_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace quorvex::testing {
namespace {

/// The configuration file's record and the memory image: what "the same state" means.
struct Bytes {
    QvxRecord Record;
    CoefficientImage Image;
    bool operator==(const Bytes&) const = default;
};

Bytes BytesOf(ProgramHarness& h) {
    return {EncodeConfigurationRecord(h.Config(), ""),
            BuildCoefficientImage(h.Config(), h.Doc().Engine)};
}

/// Random edits through the public handlers of every editor, as a person makes them.
class RandomEditor {
public:
    RandomEditor(ProgramHarness& h, unsigned seed) : h_(h), random_(seed) {}

    /// One edit; its description for the failure message.
    std::string Edit() {
        const std::vector<std::function<std::string()>> edits{
            [&] { return Equaliser(); },  [&] { return Crossover(); },
            [&] { return Levels(); },     [&] { return Delays(); },
            [&] { return Dynamics(); },   [&] { return Reinforcement(); },
            [&] { return MainWindow(); }, [&] { return Copy(); },
            [&] { return Speaker(); },
        };
        return edits[static_cast<std::size_t>(Pick(0, static_cast<int>(edits.size()) - 1))]();
    }

private:
    int Pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }
    std::string Number(int from, int to, int tenths = 1) {
        const int value = Pick(from * tenths, to * tenths);
        return tenths == 1 ? std::to_string(value) : std::to_string(value / double(tenths));
    }

    std::string Equaliser() {
        TPEQForm& peq = h_.App.Peq();
        peq.SelectOutput(Pick(1, 6));
        peq.SelectBand(Pick(1, 7));
        switch (Pick(0, 4)) {
        case 0:
            peq.TipoFiltroComboChange(Pick(0, 11));
            return "equaliser type";
        case 1:
            peq.FrecEditExit(Number(20, 15000));
            return "equaliser frequency";
        case 2:
            peq.FilterGainEditExit(Number(-15, 12, 10));
            return "equaliser gain";
        case 3:
            peq.QEditExit(Number(1, 20, 10));
            return "equaliser Q";
        default: {
            // A drag is one step from mouse down to mouse up.
            const PeqBand& band = h_.Config().Output(peq.Output).Band(peq.SpinFiltro);
            h_.App.History().BeginStep();
            peq.MouseDown(band.Frequency, band.Gain);
            peq.MouseMove(band.Frequency * 1.5, band.Gain + 1.0);
            peq.MouseMove(band.Frequency * 2.0, band.Gain + 2.0);
            peq.MouseUp();
            h_.App.History().EndStep();
            return "equaliser drag";
        }
        }
    }

    std::string Crossover() {
        TXOVERForm& xover = h_.App.Xover();
        xover.SelectOutput(Pick(1, 6));
        const CrossoverEdge edge = Pick(0, 1) == 0 ? CrossoverEdge::Lower : CrossoverEdge::Upper;
        switch (Pick(0, 3)) {
        case 0:
            xover.TipoXComboChange(edge, Pick(0, 3));
            return "crossover family";
        case 1:
            xover.OrdenSpinChange(edge, Pick(0, 1) == 0 ? 2 : 4);
            return "crossover order";
        case 2:
            xover.FrecEditExit(edge, Number(20, 18000));
            return "crossover frequency";
        default:
            Pick(0, 1) == 0 ? xover.OnlyLClick() : xover.OnlyHClick();
            return "crossover solo";
        }
    }

    std::string Levels() {
        TGainsForm& gains = h_.App.Gains();
        const int output = Pick(1, 6);
        switch (Pick(0, 3)) {
        case 0:
            gains.SetPosition(output, Pick(0, 361));
            return "level slider";
        case 1:
            gains.GainEditEnter(output, Number(-30, 6, 10));
            return "level field";
        case 2:
            gains.InvClick(output);
            return "polarity";
        default:
            gains.MuteClick(output);
            return "mute";
        }
    }

    std::string Delays() {
        TDelayFinoForm& delay = h_.App.Delay();
        switch (Pick(0, 2)) {
        case 0:
            delay.SetPosition(Pick(1, 6), Pick(0, 235));
            return "delay";
        case 1:
            delay.TemperatureCChange(Pick(0, 50));
            return "temperature";
        default:
            delay.DistanceEnter(Pick(1, 6), Number(0, 200, 10));
            return "distance";
        }
    }

    std::string Dynamics() {
        TDynamicform& dynamics = h_.App.Dynamics();
        dynamics.SelectBlock(Pick(1, 3));
        switch (Pick(0, 6)) {
        case 0:
            dynamics.ThresholdEditExit(Number(-20, 18, 10));
            return "threshold";
        case 1:
            dynamics.KneeEditExit(Number(0, 10, 10));
            return "knee";
        case 2:
            Pick(0, 1) == 0 ? dynamics.LimiterBClick() : dynamics.CompressorBClick();
            return "mode";
        case 3:
            dynamics.DynBypassBotonClick();
            return "bypass";
        case 4:
            dynamics.AttackEditExit(Number(1, 99));
            return "attack";
        case 5:
            dynamics.ReleaseEditExit(Number(1, 99));
            return "release";
        default:
            dynamics.NoiseLevelChange(Pick(0, 7));
            return "noise level";
        }
    }

    std::string Reinforcement() {
        TLoudnessForm& loudness = h_.App.Loudness();
        loudness.SelectSub(Pick(1, 2));
        switch (Pick(0, 2)) {
        case 0:
            Pick(0, 1) == 0 ? loudness.ParamLEDClick() : loudness.HighLEDClick();
            return "reinforcement type";
        case 1:
            loudness.FrecSlider.SetPosition(Pick(0, 51));
            return "reinforcement frequency";
        default:
            loudness.FilterGainSlider.SetPosition(Pick(0, TLoudnessForm::GainSliderMaximum));
            return "reinforcement gain";
        }
    }

    std::string MainWindow() {
        TMainForm& main = h_.App.Main();
        switch (Pick(0, 2)) {
        case 0:
            main.RouteBClick(Pick(1, 6));
            return "route";
        case 1:
            // Appended rather than `"N" + ...`: g++ 12 at -O3 sees an overlapping copy in the
            // insertion that operator+ makes of a temporary (-Wrestrict), which is not there.
            main.OutputNameChange(Pick(1, 6), std::string("N").append(Number(0, 999)));
            return "output name";
        default:
            h_.App.SystemInfo().ProjectNameChange(std::string("Tour ").append(Number(0, 99)));
            return "project name";
        }
    }

    std::string Copy() {
        TCopyOutputsForm& copy = h_.App.CopyOutputs();
        copy.OutRBClick();
        copy.XoverCheck = Pick(0, 1) == 1;
        copy.PEQXCheck = Pick(0, 1) == 1;
        copy.OutDelayCheck = Pick(0, 1) == 1;
        copy.OutGainCheck = Pick(0, 1) == 1;
        copy.DynamicCheck = Pick(0, 1) == 1;
        copy.SetOrigen(Pick(1, 4));
        copy.SetCopia(Pick(1, 4));
        h_.Dialogs.Answers = {MessageAnswer::Yes};
        copy.OK_BitBtnClick();
        h_.Dialogs.Answers.clear();
        return "copy outputs";
    }

    std::string Speaker() {
        TSpeakerForm& speaker = h_.App.Speaker();
        speaker.OutputButtonClick(Pick(1, 3));
        if (Pick(0, 1) == 0) {
            speaker.ZloadChange(Pick(0, 4));
            return "load impedance";
        }
        speaker.AmpGainChange(Pick(5, 200));
        return "amplifier gain";
    }

    ProgramHarness& h_;
    std::mt19937 random_;
};

TEST(HistoryProperty, TwoHundredRandomEditsUndoneAndRedoneGiveBackEachEndByteForByte) {
    for (const unsigned seed : {1U, 2U, 3U}) {
        ProgramHarness h;
        EditHistory& history = h.App.History();
        const Bytes start = BytesOf(h);
        RandomEditor editor(h, seed);
        std::vector<std::string> made;
        for (int k = 0; k < 200; ++k) {
            made.push_back(editor.Edit());
            history.Record();
        }
        const Bytes end = BytesOf(h);
        ASSERT_NE(end, start) << "seed " << seed;
        const std::size_t steps = history.StepCount();
        EXPECT_GT(steps, 100U) << "seed " << seed;

        std::size_t undone = 0;
        while (history.Undo()) {
            ++undone;
        }
        EXPECT_EQ(undone, steps);
        EXPECT_TRUE(BytesOf(h) == start) << "seed " << seed;
        EXPECT_EQ(BytesOf(h).Image, start.Image) << "seed " << seed;

        std::size_t redone = 0;
        while (history.Redo()) {
            ++redone;
        }
        EXPECT_EQ(redone, steps);
        EXPECT_TRUE(BytesOf(h) == end) << "seed " << seed;
        EXPECT_EQ(BytesOf(h).Image, end.Image) << "seed " << seed;
    }
}

} // namespace
} // namespace quorvex::testing
