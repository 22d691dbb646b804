#include "app/import_form.h"

#include "app/main_form.h"
#include "app/sensitivity_form.h"
#include "engine/response_grid.h"
#include "fakes.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::FlatClioExport;
using testing::ProgramHarness;
using testing::ScratchFolder;
using testing::WriteText;

/// A Minilyzer dBu export: the header, then frequency and level in columns 1-9 and 12-20.
std::string FlatMinilyzerExport(double levelDbu) {
    std::string text = "    f[Hz] Level[dBu]\n";
    for (const double hz : {10.0, 1000.0, 30000.0}) {
        char row[64];
        std::snprintf(row, sizeof row, "%9.1f  %9.3f\n", hz, levelDbu);
        text += row;
    }
    return text;
}

class ImportWindow : public ::testing::Test {
protected:
    ScratchFolder folder;
    ProgramHarness h;
    TImportForm& window = h.App.Import();

    float Magnitude(int output, std::size_t point) const {
        return h.App.Doc().SpeakerResponse[static_cast<std::size_t>(output - 1)].Magnitude[point];
    }
    /// The first grid point at or above `hz`.
    static std::size_t PointAt(int hz) {
        const auto& grid = TheResponseGrid().FrequencyHz;
        return static_cast<std::size_t>(std::lower_bound(grid.begin(), grid.begin() + 401, hz) -
                                        grid.begin());
    }
};

TEST_F(ImportWindow, OkImportsEveryOutputOverTheReferenceLevel) {
    WriteText(folder / "a.txt", FlatClioExport(10.0, 30000.0, 40, 90.0));
    WriteText(folder / "b.txt", FlatClioExport(100.0, 10000.0, 40, 93.0));
    window.Show();
    window.FileFieldChange(1, folder / "a.txt");
    window.FileFieldChange(3, folder / "b.txt");
    EXPECT_TRUE(window.OKButtonClick());

    EXPECT_FALSE(window.Visible);
    EXPECT_TRUE(h.Dialogs.Messages.empty());
    // A flat 90 dB over the 90 dB reference is the 0 dB line.
    EXPECT_NEAR(Magnitude(1, 0), 0.0F, 1e-4);
    EXPECT_NEAR(Magnitude(1, 400), 0.0F, 1e-4);
    // 100 Hz .. 10 kHz: 3 dB inside, -140 dB outside.
    EXPECT_NEAR(Magnitude(3, PointAt(1000)), 3.0F, 1e-4);
    EXPECT_EQ(Magnitude(3, PointAt(100) - 1), -140.0F);
    EXPECT_EQ(Magnitude(3, PointAt(10001)), -140.0F);
    EXPECT_EQ(Magnitude(2, 200), 0.0F);
}

TEST_F(ImportWindow, ARefusedFileIsNamedAndTheOthersStillImport) {
    WriteText(folder / "wrong.txt", "not a CLIO header\n1 2 3\n");
    WriteText(folder / "right.txt", FlatClioExport(10.0, 30000.0, 40, 96.0));
    window.FileFieldChange(2, folder / "wrong.txt");
    window.FileFieldChange(5, folder / "right.txt");
    window.OKButtonClick();

    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Text,
              folder / "wrong.txt" + " is not a valid CLIO exported data file.");
    EXPECT_EQ(Magnitude(2, 200), 0.0F);
    EXPECT_NEAR(Magnitude(5, 200), 6.0F, 1e-4);
    EXPECT_EQ(window.FileField(2), folder / "wrong.txt");
}

TEST_F(ImportWindow, AMissingFileEmptiesItsFieldSilently) {
    window.FileFieldChange(4, folder / "gone.txt");
    window.OKButtonClick();
    EXPECT_TRUE(h.Dialogs.Messages.empty());
    EXPECT_EQ(window.FileField(4), "");
    EXPECT_EQ(h.Config().Output(4).SpeakerFile, "");
}

TEST_F(ImportWindow, NewConfigurationLeavesNoImportedData) {
    WriteText(folder / "a.txt", FlatClioExport(10.0, 30000.0, 40, 100.0));
    window.FileFieldChange(1, folder / "a.txt");
    window.OKButtonClick();
    ASSERT_NEAR(Magnitude(1, 100), 10.0F, 1e-4);
    h.App.Main().ResetConfiguration();
    EXPECT_EQ(window.FileField(1), "");
    EXPECT_EQ(Magnitude(1, 100), 0.0F);
}

TEST_F(ImportWindow, FormatButtonsSetTheCodeAndTheDialogFilter) {
    window.FormatButtonClick(7);
    EXPECT_EQ(h.Config().ImportFormat, 7);
    EXPECT_EQ(window.DialogFilter, "CALSOD DAAS32 Exported data *.spl|*.spl|all *.*|*.*");
    window.FormatButtonClick(2);
    EXPECT_EQ(window.DialogFilter, "exported data *.txt|*.txt|all *.*|*.*");
    EXPECT_FALSE(h.App.Sensitivity().Visible);
    window.FormatButtonClick(4);
    EXPECT_TRUE(h.App.Sensitivity().Visible);
    EXPECT_TRUE(h.Dialogs.Messages.empty());

    window.FormatButtonClick(5);
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "Option Under Construction. Please Select Another");
    EXPECT_EQ(h.Config().ImportFormat, 0);
}

TEST_F(ImportWindow, TheFileButtonPutsTheChosenPathInItsField) {
    window.FormatButtonClick(7);
    window.Show();
    h.Dialogs.OpenAnswers.push_back("/measures/sub.spl");
    window.DataButtonClick(6);
    ASSERT_EQ(h.Dialogs.OpenRequests.size(), 1U);
    EXPECT_EQ(h.Dialogs.OpenRequests[0].Title, "Select File with Frequency Response");
    EXPECT_EQ(h.Dialogs.OpenRequests[0].Filter,
              "CALSOD DAAS32 Exported data *.spl|*.spl|all *.*|*.*");
    EXPECT_EQ(window.FileField(6), "/measures/sub.spl");
    window.DataButtonClick(6); // cancelled: the field stays
    EXPECT_EQ(window.FileField(6), "/measures/sub.spl");
    window.ClearClick(6);
    EXPECT_EQ(window.FileField(6), "");
    window.Activate();
    EXPECT_EQ(window.DialogFileName, "");
}

TEST_F(ImportWindow, TheReferenceLevelKeepsToItsFieldRange) {
    EXPECT_EQ(window.ReferenceLevelText, "90.0");
    window.ReferenceLevelExit("84.25");
    EXPECT_EQ(window.ReferenceLevelText, "84.3");
    EXPECT_FLOAT_EQ(h.Config().ImportReferenceLevel, 84.3F);
    window.ReferenceLevelExit("150");
    EXPECT_EQ(window.ReferenceLevelText, "140.0");
    window.ReferenceLevelExit("-999");
    EXPECT_EQ(window.ReferenceLevelText, "-140.0");
    window.ReferenceLevelExit("loud");
    EXPECT_EQ(window.ReferenceLevelText, "-140.0");
}

TEST_F(ImportWindow, DbuLevelsUseTheMicrophoneSensitivity) {
    WriteText(folder / "mini.txt", FlatMinilyzerExport(0.0));
    window.FormatButtonClick(4);
    window.ReferenceLevelExit("0");
    window.FileFieldChange(1, folder / "mini.txt");
    window.OKButtonClick();
    // 20 log10(0.775 / 0.020 / 0.00002)
    EXPECT_NEAR(Magnitude(1, 200), 125.744834F, 1e-3);

    TSensitivityForm& sensitivity = h.App.Sensitivity();
    sensitivity.SensitivityChange("40");
    sensitivity.OKButtonClick();
    window.OKButtonClick();
    // 20 log10(0.775 / 0.040 / 0.00002)
    EXPECT_NEAR(Magnitude(1, 200), 119.724234F, 1e-3);
}

TEST(InputSensitivityWindow, KeepsWholeMillivoltsInsideItsRangeAndHoldsVoltsPerPascal) {
    ProgramHarness h;
    TSensitivityForm& window = h.App.Sensitivity();
    EXPECT_EQ(window.SensitivityText, "20");
    EXPECT_DOUBLE_EQ(h.Doc().MicrophoneSensitivity, 0.020);

    window.SensitivityChange("12.6");
    window.SensitivityExit();
    EXPECT_EQ(window.SensitivityText, "13");
    EXPECT_DOUBLE_EQ(h.Doc().MicrophoneSensitivity, 0.013);

    window.SensitivityChange("1500");
    window.SensitivityExit();
    EXPECT_EQ(window.SensitivityText, "999");
    window.SensitivityChange("0");
    window.SensitivityExit();
    EXPECT_EQ(window.SensitivityText, "1");
    window.SensitivityChange("mic");
    window.SensitivityExit();
    EXPECT_EQ(window.SensitivityText, "1");
    EXPECT_DOUBLE_EQ(h.Doc().MicrophoneSensitivity, 0.001);

    // New configuration leaves the sensitivity alone.
    h.App.Main().ResetConfiguration();
    EXPECT_DOUBLE_EQ(h.Doc().MicrophoneSensitivity, 0.001);
}

} // namespace
} // namespace quorvex
