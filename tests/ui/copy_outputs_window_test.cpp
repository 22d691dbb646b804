#include "desktop_fixture.h"

#include "app/copy_outputs_form.h"
#include "app/delay_fino_form.h"
#include "app/main_form.h"

#include <QCheckBox>
#include <QSpinBox>

namespace quorvex::testing {
namespace {

class CopyOutputsScreen : public DesktopFixture {
protected:
    void SetUp() override {
        App().CopyOutputs().Show();
        (void)QTest::qWaitForWindowExposed(WindowNamed("CopyOutputsForm"));
    }
    /// A click on a check box's square (a box reacts to its square and caption only).
    void Check(const QString& name) {
        if (auto* box = ControlIn<QCheckBox>("CopyOutputsForm", name)) {
            QTest::mouseClick(box, Qt::LeftButton, {},
                              QPoint(box->height() / 2, box->height() / 2));
        }
    }
};

TEST_F(CopyOutputsScreen, IsModal) {
    EXPECT_TRUE(WindowNamed("CopyOutputsForm")->isModal());
}

TEST_F(CopyOutputsScreen, CopyAllChecksTheSevenBoxesAndShowsSixOfThem) {
    Check("CopyAll");
    const QStringList boxes{"RouteCheck",   "XoverCheck", "PEQXCheck",   "OutDelayCheck",
                            "OutGainCheck", "NamesCheck", "DynamicCheck"};
    for (const QString& name : boxes) {
        auto* box = ControlIn<QCheckBox>("CopyOutputsForm", name);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isChecked()) << name.toStdString();
        EXPECT_EQ(box->isVisible(), name != "RouteCheck") << name.toStdString();
    }
    // Unchecking "Copy All" leaves the boxes as they are.
    Check("CopyAll");
    EXPECT_TRUE(ControlIn<QCheckBox>("CopyOutputsForm", "XoverCheck")->isChecked());
}

TEST_F(CopyOutputsScreen, SubSetsTheNumbersAndTheirRangeToTheSubs) {
    ClickIn("CopyOutputsForm", "SubRB");
    auto* source = ControlIn<QSpinBox>("CopyOutputsForm", "OrigenSpin");
    auto* target = ControlIn<QSpinBox>("CopyOutputsForm", "CopiaSpin");
    EXPECT_EQ(source->value(), 5);
    EXPECT_EQ(target->value(), 6);
    EXPECT_EQ(source->minimum(), 5);
    EXPECT_EQ(target->maximum(), 6);
    ClickIn("CopyOutputsForm", "OutRB");
    EXPECT_EQ(source->value(), 1);
    EXPECT_EQ(target->value(), 2);
    EXPECT_EQ(target->maximum(), 4);
}

TEST_F(CopyOutputsScreen, OkAsksAndCopiesOnlyTheCheckedGroupThenCloses) {
    App().Main().OutputNameChange(1, "Main L");
    Doc().Config.Output(1).Delay.DelaySamples = 0;
    App().Delay().SetPosition(1, 134); // Out1 100 samples
    Check("NamesCheck");
    ControlIn<QSpinBox>("CopyOutputsForm", "CopiaSpin")->setValue(3);
    Dialogs.Answers = {MessageAnswer::Yes};
    ClickIn("CopyOutputsForm", "OK_BitBtn");
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0].Text, "Do you want to copy data from Output 1 to Output 3 ?");
    EXPECT_EQ(Doc().Config.OutputNames[2], "Main L");
    EXPECT_EQ(Doc().Config.Output(3).Delay.DelaySamples, 0);
    EXPECT_FALSE(WindowNamed("CopyOutputsForm")->isVisible());
}

TEST_F(CopyOutputsScreen, CancelClosesWithoutAsking) {
    ClickIn("CopyOutputsForm", "CancelBitBtn");
    EXPECT_TRUE(Dialogs.Messages.empty());
    EXPECT_FALSE(App().CopyOutputs().Visible);
    EXPECT_FALSE(WindowNamed("CopyOutputsForm")->isVisible());
}

} // namespace
} // namespace quorvex::testing
