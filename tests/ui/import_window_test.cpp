#include "desktop_fixture.h"

#include "app/import_form.h"
#include "app/scratch_folder.h"
#include "app/sensitivity_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quorvex::testing {
namespace {

class ImportScreen : public DesktopFixture {
protected:
    void SetUp() override {
        App().Import().Show();
        (void)QTest::qWaitForWindowExposed(WindowNamed("ImportForm"));
    }
    QLineEdit* FileField(int output) {
        return ControlIn<QLineEdit>("ImportForm", QString("Edit%1").arg(output));
    }
};

TEST_F(ImportScreen, TheDotsButtonPutsTheChosenFileInItsOutputsField) {
    Dialogs.OpenAnswers = {std::string("/measurements/sub-left.txt")};
    ClickIn("ImportForm", "data5B");
    ASSERT_EQ(Dialogs.OpenRequests.size(), 1u);
    EXPECT_EQ(Dialogs.OpenRequests[0].Title, "Select File with Frequency Response");
    EXPECT_EQ(Dialogs.OpenRequests[0].Filter, "exported data *.txt|*.txt|all *.*|*.*");
    EXPECT_EQ(FileField(5)->text(), "/measurements/sub-left.txt");
    EXPECT_EQ(Doc().Config.Output(5).SpeakerFile, "/measurements/sub-left.txt");
    ClickIn("ImportForm", "Clear5B");
    EXPECT_TRUE(FileField(5)->text().isEmpty());
}

TEST_F(ImportScreen, TheDaasButtonPressesItselfAndAsksForSplFiles) {
    ClickIn("ImportForm", "DaasB");
    EXPECT_TRUE(ControlIn<QRadioButton>("ImportForm", "DaasB")->isChecked());
    EXPECT_FALSE(ControlIn<QRadioButton>("ImportForm", "ClioB")->isChecked());
    ClickIn("ImportForm", "data1B");
    ASSERT_EQ(Dialogs.OpenRequests.size(), 1u);
    EXPECT_EQ(Dialogs.OpenRequests[0].Filter,
              "CALSOD DAAS32 Exported data *.spl|*.spl|all *.*|*.*");
}

TEST_F(ImportScreen, TheDbuFormatOpensTheInputSensitivityWindow) {
    ClickIn("ImportForm", "MinilyzerB");
    EXPECT_EQ(Doc().Config.ImportFormat, 4);
    QWidget* sensitivity = WindowNamed("SensitivityForm");
    EXPECT_TRUE(sensitivity->isVisible());
    EXPECT_TRUE(sensitivity->isModal());

    auto* field = ControlIn<QLineEdit>("SensitivityForm", "SensitivityEdit");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "20");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "50");
    ClickIn("SensitivityForm", "OKButton");
    EXPECT_DOUBLE_EQ(Doc().MicrophoneSensitivity, 0.05);
    EXPECT_FALSE(sensitivity->isVisible());
}

TEST_F(ImportScreen, TheReferenceLevelFieldKeepsItsRangeAndOneDecimal) {
    auto* level = ControlIn<QLineEdit>("ImportForm", "dBspl");
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->text(), "90.0");
    TypeInto(level, "150");
    EXPECT_EQ(level->text(), "140.0");
    EXPECT_EQ(Doc().Config.ImportReferenceLevel, 140.0F);
}

TEST_F(ImportScreen, OkImportsTheFilesAndCloses) {
    ScratchFolder folder;
    WriteText(folder / "main.txt", FlatClioExport(10.0, 30000.0, 40, 96.0));
    FileField(2)->setFocus();
    QTest::keyClicks(FileField(2), QString::fromStdString(folder / "main.txt"));
    ClickIn("ImportForm", "OKButton");
    EXPECT_TRUE(Dialogs.Messages.empty());
    EXPECT_NEAR(Doc().SpeakerResponse[1].Magnitude[200], 6.0F, 1e-3);
    EXPECT_FALSE(WindowNamed("ImportForm")->isVisible());
}

} // namespace
} // namespace quorvex::testing
