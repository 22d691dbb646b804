#include "desktop_fixture.h"

#include "app/delay_fino_form.h"
#include "app/main_form.h"
#include "ui/rack_slider.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace quorvex::testing {
namespace {

class DelayScreen : public DesktopFixture {
protected:
    void SetUp() override {
        App().Delay().Show();
        (void)QTest::qWaitForWindowExposed(WindowNamed("DelayFinoForm"));
    }
    QLineEdit* Field(const QString& name) {
        return ControlIn<QLineEdit>("DelayFinoForm", name + "Field");
    }
    void Type(const QString& name, const QString& text) { TypeInto(Field(name), text); }
    int Samples(int output) { return Doc().Config.Output(output).Delay.DelaySamples; }
};

TEST_F(DelayScreen, TheFadersTopIsTheLongestDelayInEveryUnit) {
    App().Main().Show();
    auto* fader = ControlIn<RackSlider>("DelayFinoForm", "Del2track");
    ASSERT_NE(fader, nullptr);
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(0).toPoint());
    EXPECT_EQ(Samples(2), 234);
    EXPECT_EQ(Field("Ms2Edit")->text(), "4.88");
    EXPECT_EQ(Field("Cm2Edit")->text(), "168.8");
    EXPECT_EQ(ControlIn<QLabel>("MainForm", "DelayLabel2")->text(), "4.88 ms");
}

TEST_F(DelayScreen, TypedMillisecondsMoveTheFaderAndShowTheDistance) {
    Type("Ms1Edit", "1.00");
    EXPECT_EQ(Samples(1), 48);
    EXPECT_EQ(ControlIn<RackSlider>("DelayFinoForm", "Del1track")->value(), 234 - 48);
    EXPECT_EQ(Field("Cm1Edit")->text(), "34.6");
    // Beyond the field's range the typed value is refused.
    Type("Ms1Edit", "6.00");
    EXPECT_EQ(Samples(1), 48);
    EXPECT_EQ(Field("Ms1Edit")->text(), "1.00");
}

TEST_F(DelayScreen, ArrowKeysStepOneSampleAndAreSentInRealTime) {
    GoRealTime();
    QLineEdit* field = Field("Ms3Edit");
    ASSERT_NE(field, nullptr);
    field->setFocus();
    for (int k = 0; k < 10; ++k) {
        QTest::keyClick(field, Qt::Key_Up);
    }
    EXPECT_EQ(Samples(3), 10);
    ASSERT_FALSE(Sink.Sent.empty());
    const SentMessage& sent = Sink.Sent.back();
    EXPECT_EQ(sent.What, SentMessage::Kind::Integer);
    EXPECT_EQ(sent.Dsp, 2);
    EXPECT_EQ(sent.Address, 141);
    EXPECT_EQ(sent.IntegerValue, 11);
}

TEST_F(DelayScreen, TheTemperatureChangesTheDistanceShownNotTheDelay) {
    Type("Ms4Edit", "1.00");
    auto* celsius = ControlIn<QSpinBox>("DelayFinoForm", "TemperaturaSpin");
    ASSERT_NE(celsius, nullptr);
    celsius->setValue(0);
    EXPECT_EQ(ControlIn<QSpinBox>("DelayFinoForm", "TemperaturaFSpin")->value(), 32);
    EXPECT_EQ(Field("Cm4Edit")->text(), "33.1");
    EXPECT_EQ(Samples(4), 48);
}

TEST_F(DelayScreen, AutoAlignDelaysEachOutputByItsRelativeDistance) {
    Type("Distance2Edit", "34.6");
    Type("Distance5Edit", "17.3");
    ClickIn("DelayFinoForm", "AutoAlignB");
    EXPECT_EQ(Samples(1), 0);
    EXPECT_EQ(Samples(2), 48);
    EXPECT_EQ(Samples(5), 24);
    EXPECT_EQ(Field("Ms2Edit")->text(), "1.00");
    // Aligned speakers stand in one column of the drawing.
    for (const int length : App().Delay().LineLength) {
        EXPECT_EQ(length, 0);
    }
}

TEST_F(DelayScreen, ShowsTheLookAheadAutoAlignTakesOff) {
    App().Delay().SetLookAhead(1, 10);
    EXPECT_EQ(ControlIn<QLabel>("DelayFinoForm", "LookAhead1Label")->text(),
              "10 samples (0.21 ms)");
    EXPECT_EQ(ControlIn<QLabel>("DelayFinoForm", "LookAhead2Label")->text(), "0 samples (0.00 ms)");
}

} // namespace
} // namespace quorvex::testing
