#include "desktop_fixture.h"

#include "app/main_form.h"
#include "app/xover_form.h"
#include "plot/curve_colours.h"
#include "ui/txy_graph.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace quorvex::testing {
namespace {

class CrossoverWindow : public WindowFixture {
protected:
    void SetUp() override {
        App().Main().XoverBtnClick(1);
        ASSERT_NO_FATAL_FAILURE(OpenWindow("XOVERForm"));
    }

    const CrossoverSetting& Crossover(int output) { return Doc().Config.Output(output).Crossover; }
    QLineEdit* Field(const char* name) { return window->findChild<QLineEdit*>(name); }
    void Type(const char* name, const QString& text) { TypeInto(Field(name), text); }
    void Choose(const char* name, int position) {
        auto* list = window->findChild<QComboBox*>(name);
        ASSERT_NE(list, nullptr) << name;
        list->setFocus();
        while (list->currentIndex() < position) {
            QTest::keyClick(list, Qt::Key_Down);
        }
    }
    int MessagesContaining(const std::string& text) const {
        int count = 0;
        for (const auto& message : Dialogs.Messages) {
            count += message.Text.find(text) != std::string::npos ? 1 : 0;
        }
        return count;
    }
};

TEST_F(CrossoverWindow, TheLowerEdgeStopsAtTheUpperOneUnlessItIsSoloed) {
    Type("FrecEdit0L", "6000");
    EXPECT_EQ(Crossover(1).HighPass.Frequency, 5000.0);
    EXPECT_EQ(Field("FrecEdit0L")->text(), "5000");
    ClickHere("OnlyL");
    Type("FrecEdit0L", "6000");
    EXPECT_EQ(Crossover(1).HighPass.Frequency, 6000.0);
}

TEST_F(CrossoverWindow, BesselAtFifteenKilohertzOrderFourShowsItsLimitOnce) {
    Type("FrecEdit0H", "15000");
    auto* order = window->findChild<QSpinBox*>("OrdenSpin0H");
    order->setFocus();
    QTest::keyClick(order, Qt::Key_Up);
    ASSERT_EQ(order->value(), 4);
    Dialogs.Messages.clear();
    Choose("TipoXCombo0H", 3); // "Bessel"
    EXPECT_EQ(MessagesContaining("14900"), 1);
    EXPECT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Field("FrecEdit0H")->text(), "14900");
}

TEST_F(CrossoverWindow, ASubKeepsItsLowerEdgeBypassedAndItsUpperEdgeBelow480Hz) {
    ClickHere("ModXover5");
    auto* lowerFamily = window->findChild<QComboBox*>("TipoXCombo0L");
    EXPECT_FALSE(lowerFamily->isEnabled());
    EXPECT_EQ(lowerFamily->currentText(), "ByPass");
    EXPECT_FALSE(Field("FrecEdit0L")->isEnabled());
    EXPECT_EQ(window->findChild<QComboBox*>("TipoXCombo0H")->itemText(0), "-----------");
    Type("FrecEdit0H", "900");
    EXPECT_EQ(Field("FrecEdit0H")->text(), "480");
    ClickHere("ModXover1");
    EXPECT_EQ(window->findChild<QComboBox*>("TipoXCombo0H")->itemText(0), "ByPass");
}

TEST_F(CrossoverWindow, TheArrowKeysStepTheFrequencyByOneHertz) {
    QLineEdit* field = Field("FrecEdit0H");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->text(), "5001");
    EXPECT_EQ(Crossover(1).LowPass.Frequency, 5001.0);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->text(), "4999");
}

TEST_F(CrossoverWindow, AButterworthLowPassBendsTheSelectedCurveAndTheShowButtonHidesIt) {
    auto* graph = window->findChild<TxyGraph*>("XOVERGraph");
    Choose("TipoXCombo0H", 1);                                // "ButtW" at 5000 Hz
    const GraphCurve& front = graph->Content().Curves.back(); // the selected output in front
    EXPECT_EQ(front.Colour, OutputCurveColour(1));
    EXPECT_LT(front.Y.back(), -10.0); // far above 5000 Hz
    ClickHere("VerXover1Check");
    EXPECT_FALSE(graph->Content().Curves.back().Visible);
}

} // namespace
} // namespace quorvex::testing
