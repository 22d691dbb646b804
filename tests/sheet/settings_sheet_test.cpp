#include "rig_under_test.h"

#include "app/main_form.h"
#include "sheet/settings_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvex::testing {
namespace {

using Row = std::vector<std::string>;

const SheetTable* TableNamed(const SettingsSheet& sheet, const std::string& heading) {
    const auto found =
        std::find_if(sheet.Tables.begin(), sheet.Tables.end(),
                     [&](const SheetTable& table) { return table.Heading == heading; });
    return found == sheet.Tables.end() ? nullptr : &*found;
}

const Row* RowStarting(const SheetTable& table, const std::string& first) {
    const auto found = std::find_if(table.Rows.begin(), table.Rows.end(), [&](const Row& row) {
        return !row.empty() && row[0] == first;
    });
    return found == table.Rows.end() ? nullptr : &*found;
}

class SettingsSheetTest : public ::testing::Test {
protected:
    RigUnderTest Rig;
    SettingsSheet Sheet = ComposeSettingsSheet(Rig.App);

    Row RowOf(const std::string& heading, const std::string& first) {
        const SheetTable* table = TableNamed(Sheet, heading);
        if (table == nullptr) {
            ADD_FAILURE() << "no table " << heading;
            return {};
        }
        const Row* row = RowStarting(*table, first);
        if (row == nullptr) {
            ADD_FAILURE() << "no row " << first << " in " << heading;
            return {};
        }
        return *row;
    }
};

TEST_F(SettingsSheetTest, ListsEveryBandOfEveryOutputAsTheEqualiserShowsIt) {
    EXPECT_EQ(RowOf("Equaliser Out3 (Out3)", "2"), (Row{"2", "Parametric", "2500", "4.5", "2.0"}));
    EXPECT_EQ(RowOf("Equaliser Out3 (Out3)", "1"), (Row{"1", "Bypass", "1000", "0.0", "0.7"}));
    ASSERT_NE(TableNamed(Sheet, "Equaliser Out1 (Out1)"), nullptr);
    EXPECT_EQ(TableNamed(Sheet, "Equaliser Out1 (Out1)")->Rows.size(), 7U);
    ASSERT_NE(TableNamed(Sheet, "Equaliser SUB2 (SUB 2)"), nullptr);
    EXPECT_EQ(TableNamed(Sheet, "Equaliser SUB2 (SUB 2)")->Rows.size(), 3U);
}

TEST_F(SettingsSheetTest, GivesLevelPolarityMuteAndRouteOfEachOutput) {
    EXPECT_EQ(RowOf("Outputs", "Out1"), (Row{"Out1", "Out1", "A", "-3.5", "normal", ""}));
    EXPECT_EQ(RowOf("Outputs", "Out2"), (Row{"Out2", "Out2", "B", "0.0", "normal", "MUTE"}));
    EXPECT_EQ(RowOf("Outputs", "Out4"), (Row{"Out4", "Out4", "B", "0.0", "inverted", ""}));
    EXPECT_EQ(RowOf("Outputs", "SUB1")[2], "A+B");
}

TEST_F(SettingsSheetTest, GivesTheDelayInSamplesMillisecondsAndCentimetresAtTheTemperature) {
    // 1 ms is 48 samples; sound runs about 34.6 cm in it at 25 ºC.
    const Row sub = RowOf("Delays at 25 ºC", "SUB1");
    ASSERT_EQ(sub.size(), 5U);
    EXPECT_EQ(sub[1], "48");
    EXPECT_EQ(sub[2], "1.00");
    EXPECT_NEAR(std::stod(sub[3]), 34.6, 0.2);
    EXPECT_EQ(RowOf("Delays at 25 ºC", "Out1")[1], "0");
}

TEST_F(SettingsSheetTest, GivesTheSystemInformationWithOneRowPerCommentLine) {
    EXPECT_EQ(RowOf("System", "Project"), (Row{"Project", "Main hall"}));
    const SheetTable* system = TableNamed(Sheet, "System");
    ASSERT_NE(system, nullptr);
    const auto comments =
        std::find(system->Rows.begin(), system->Rows.end(), Row{"Comments", "Left hang"});
    ASSERT_NE(comments, system->Rows.end());
    EXPECT_EQ(*(comments + 1), (Row{"", "Right hang"}));
}

TEST_F(SettingsSheetTest, GivesTheCrossoverEdgesAndTheDynamicsBlocks) {
    EXPECT_EQ(RowOf("Crossovers", "SUB1"), (Row{"SUB1", "ByPass", "2", "20", "ButtW", "2", "480"}));
    // Block 3 is held in dBFS and shown in dBu 23.6 dB higher: -5 dBFS is 18.6 dBu.
    EXPECT_EQ(RowOf("Dynamics", "Threshold dBu"), (Row{"Threshold dBu", "14.6", "14.6", "18.6"}));
    EXPECT_EQ(RowOf("Dynamics", "Ratio"), (Row{"Ratio", "2: 1", "2: 1", "2: 1"}));
    EXPECT_EQ(RowOf("Dynamics", "Bypass"), (Row{"Bypass", "no", "no", "no"}));
    EXPECT_EQ(RowOf("Measurement files", "Out1"), (Row{"Out1", "none"}));
}

TEST_F(SettingsSheetTest, EndsWithTheEqualiserCrossoverAndFinalResponsePlots) {
    ASSERT_EQ(Sheet.Graphs.size(), 3U);
    EXPECT_EQ(Sheet.Graphs[0].Title, "OUT 3 Equalization");
    EXPECT_EQ(Sheet.Graphs[2].Title, "Final Frequency Response");
    EXPECT_EQ(Sheet.Graphs[2].Curves.size(), 7U);
}

TEST_F(SettingsSheetTest, TheEqualiserAndCrossoverPlotsNameTheirCurvesAfterTheOutputs) {
    ASSERT_EQ(Sheet.Graphs.size(), 3U);
    std::vector<std::string> outputs(Rig.App.Doc().Config.OutputNames.begin(),
                                     Rig.App.Doc().Config.OutputNames.end());
    std::sort(outputs.begin(), outputs.end());
    for (std::size_t graph = 0; graph < 2; ++graph) {
        std::vector<std::string> names;
        for (const GraphCurve& curve : Sheet.Graphs[graph].Curves) {
            names.push_back(curve.Name.toStdString());
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, outputs) << Sheet.Graphs[graph].Title.toStdString();
    }
}

TEST_F(SettingsSheetTest, APlotNamesAnOutputRenamedSinceItsEditorWasLastOpened) {
    Rig.App.Main().OutputNameChange(5, "Sub L");
    const SettingsSheet renamed = ComposeSettingsSheet(Rig.App);
    for (std::size_t graph = 0; graph < 2; ++graph) {
        const auto& curves = renamed.Graphs.at(graph).Curves;
        EXPECT_TRUE(std::any_of(curves.begin(), curves.end(), [](const GraphCurve& curve) {
            return curve.Name == "Sub L";
        })) << renamed.Graphs[graph].Title.toStdString();
    }
}

} // namespace
} // namespace quorvex::testing
