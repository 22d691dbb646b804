#include "desktop_fixture.h"

#include "app/main_form.h"
#include "app/peq_form.h"
#include "ui/rack_slider.h"
#include "ui/real_spin_edit.h"
#include "ui/txy_graph.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QWheelEvent>

#include <cmath>

namespace quorvex::testing {
namespace {

class EqualiserWindow : public GraphWindowFixture {
protected:
    void SetUp() override {
        App().Main().PeqBtnClick(1);
        ASSERT_NO_FATAL_FAILURE(OpenGraphWindow("PEQForm", "PEQGraph"));
    }

    const PeqBand& Band(int output = 1, int band = 1) {
        return Doc().Config.Output(output).Band(band);
    }
    /// The mouse position nearest to (hz, db).
    QPoint MouseAt(double hz, double db) const {
        const PlotAxes axes = graph->Axes();
        return {static_cast<int>(std::lround(axes.X.PixelOf(hz))),
                static_cast<int>(std::lround(axes.Y.PixelOf(db)))};
    }
    /// Chooses list entry `position` of "Filter Type" as a person does, with the keyboard.
    void ChooseType(int position) {
        auto* type = Here<QComboBox>("TipoFiltroCombo");
        type->setFocus();
        while (type->currentIndex() < position) {
            QTest::keyClick(type, Qt::Key_Down);
        }
        while (type->currentIndex() > position) {
            QTest::keyClick(type, Qt::Key_Up);
        }
    }
    /// Types `text` into field `name` and presses Enter.
    void Type(const QString& name, const QString& text) {
        auto* field = Here<QLineEdit>(name);
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};

TEST_F(EqualiserWindow, DraggingTheMarkerSixDecibelsUpMovesTheBandAndSendsIt) {
    ChooseType(1); // "Parametric"
    ASSERT_EQ(Band().FilterType, 1);
    GoRealTime();
    Sink.Sent.clear();
    const QPoint start = MouseAt(1000.0, 0.0);
    const QPoint end = MouseAt(1250.0, 6.0);
    QTest::mouseMove(graph, start);
    EXPECT_EQ(graph->cursor().shape(), Qt::PointingHandCursor);
    QTest::mousePress(graph, Qt::LeftButton, {}, start);
    QTest::mouseMove(graph, end);
    QTest::mouseRelease(graph, Qt::LeftButton, {}, end);

    const GraphPointer mouse = graph->PointerAt(QPointF(end));
    EXPECT_EQ(Band().Frequency, std::round(mouse.X));
    EXPECT_NEAR(Band().Frequency, 1250.0, 15.0);
    EXPECT_DOUBLE_EQ(Band().Gain, 6.0);
    EXPECT_EQ(Here<QLineEdit>("FilterGainEdit")->text(), "6.0");
    EXPECT_EQ(Here<QLineEdit>("FrecEdit")->text(), QString::number(Band().Frequency));
    ASSERT_FALSE(Sink.Sent.empty());
    EXPECT_EQ(Sink.Sent.back().What, SentMessage::Kind::Section);
    EXPECT_EQ(Sink.Sent.back().Dsp, 1);
    EXPECT_EQ(Sink.Sent.back().Address, 6);
    // The marker followed the band.
    ASSERT_FALSE(graph->Content().Markers.empty());
    EXPECT_EQ(graph->Content().Markers[0].Y, 6.0);
}

TEST_F(EqualiserWindow, InPhaseModeTheMarkerCannotBeDragged) {
    ChooseType(1);
    ClickHere("Phase");
    EXPECT_EQ(graph->Content().YAxis.Title, "Phase");
    const QPoint start = MouseAt(1000.0, 0.0);
    QTest::mouseMove(graph, start);
    EXPECT_NE(graph->cursor().shape(), Qt::PointingHandCursor);
    QTest::mousePress(graph, Qt::LeftButton, {}, start);
    QTest::mouseMove(graph, MouseAt(2000.0, 90.0));
    QTest::mouseRelease(graph, Qt::LeftButton, {}, MouseAt(2000.0, 90.0));
    EXPECT_EQ(Band().Frequency, 1000.0);
    EXPECT_EQ(Band().Gain, 0.0);
}

TEST_F(EqualiserWindow, TypingAThousandHertzPutsTheSliderAtItsPosition) {
    Type("FrecEdit", "250");
    Type("FrecEdit", "1000");
    EXPECT_EQ(Here<QLineEdit>("FrecEdit")->text(), "1000");
    EXPECT_EQ(Here<RackSlider>("FrecSlider")->value(), 12632);
    EXPECT_EQ(Band().Frequency, 1000.0);
}

TEST_F(EqualiserWindow, TheGainControlsFollowTheTypeAndTheArrowKeysStepTheGain) {
    auto* gain = Here<QLineEdit>("FilterGainEdit");
    EXPECT_FALSE(gain->isEnabled()); // "Bypass"
    ChooseType(1);
    EXPECT_TRUE(gain->isEnabled());
    EXPECT_TRUE(Here<QLineEdit>("QEdit")->isEnabled());
    gain->setFocus();
    QTest::keyClick(gain, Qt::Key_Up);
    QTest::keyClick(gain, Qt::Key_Up);
    EXPECT_EQ(gain->text(), "0.2");
    EXPECT_DOUBLE_EQ(Band().Gain, 0.2);
    ChooseType(4); // "LowPass Buttw": no gain, no Q
    EXPECT_FALSE(gain->isEnabled());
    EXPECT_FALSE(Here<QLineEdit>("QEdit")->isEnabled());
    EXPECT_EQ(gain->text(), "0.0");
}

TEST_F(EqualiserWindow, TheWheelOverTheBandStepsItsQ) {
    ChooseType(1);
    Type("QEdit", "1.0");
    const QPoint band = MouseAt(1000.0, 0.0);
    QTest::mouseMove(graph, band);
    QWheelEvent turn(QPointF(band), graph->mapToGlobal(QPointF(band)), QPoint(), QPoint(0, 240),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(graph, &turn);
    EXPECT_EQ(Here<QLineEdit>("QEdit")->text(), "1.2");
    EXPECT_DOUBLE_EQ(Band().Q, 1.2);
}

TEST_F(EqualiserWindow, ASubOutputLimitsTheBandNumberAndTheAxis) {
    ClickHere("ModPEQ5");
    EXPECT_EQ(Here<QSpinBox>("SpinFiltro")->maximum(), 3);
    EXPECT_EQ(graph->Content().XAxis.Range.Maximum, 500.0);
    EXPECT_EQ(graph->Content().Title, "OUT 5 Equalization");
    Type("FrecEdit", "9000");
    EXPECT_EQ(Here<QLineEdit>("FrecEdit")->text(), "500");
}

TEST_F(EqualiserWindow, TheInfoLabelReadsTheMouseInsideThePlotOnly) {
    auto* info = window->findChild<QLabel*>("InfoLabel");
    ASSERT_NE(info, nullptr);
    QTest::mouseMove(graph, MouseAt(1000.0, 3.0));
    const GraphPointer mouse = graph->PointerAt(QPointF(MouseAt(1000.0, 3.0)));
    EXPECT_EQ(info->text(),
              QStringLiteral("%1 Hz , %2 dBs").arg(std::round(mouse.X)).arg(mouse.Y, 0, 'f', 2));
    QTest::mouseMove(graph, QPoint(2, 2)); // on the title, outside the axes
    EXPECT_TRUE(info->text().isEmpty());
}

TEST_F(EqualiserWindow, AStoredBandOfCodeFifteenShowsNoTypeSelected) {
    Doc().Config.Output(1).Band(2).FilterType = 15;
    auto* band = Here<QSpinBox>("SpinFiltro");
    band->setFocus();
    QTest::keyClick(band, Qt::Key_Up);
    EXPECT_EQ(App().Peq().SpinFiltro, 2);
    EXPECT_EQ(Here<QComboBox>("TipoFiltroCombo")->currentIndex(), -1);
    EXPECT_TRUE(Here<QLineEdit>("FilterGainEdit")->isEnabled());
    EXPECT_EQ(Band(1, 2).FilterType, 15);
}

TEST_F(EqualiserWindow, TheShowButtonHidesItsCurve) {
    ClickHere("VerPEQ3Check");
    EXPECT_FALSE(graph->Content().Curves[2].Visible);
    ClickHere("VerPEQ3Check");
    EXPECT_TRUE(graph->Content().Curves[2].Visible);
}

// The picture: a +6 dB parametric band at 1000 Hz on Out1 draws the aqua curve through
// +6 dB at 1000 Hz and the white marker around that point.
TEST_F(EqualiserWindow, PaintsTheBandsPeakAndItsMarkerWhereTheMappingPutsThem) {
    ChooseType(1);
    Type("FrecEdit", "1000");
    Type("FilterGainEdit", "6.0");
    Type("QEdit", "1.0");
    ASSERT_DOUBLE_EQ(Band().Gain, 6.0);
    const QImage image = graph->grab().toImage();
    const QPoint peak = At(1000.0, 6.0);

    bool aqua = false;
    for (int dy = -1; dy <= 1; ++dy) {
        const QColor colour = image.pixelColor(peak.x(), peak.y() + dy);
        aqua = aqua || (colour.red() < 80 && colour.green() > 150 && colour.blue() > 150);
    }
    EXPECT_TRUE(aqua);

    // The ring: some pixel near its top is white.
    const int radius = static_cast<int>(std::lround(graph->fontMetrics().height() * 0.3));
    bool white = false;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor colour = image.pixelColor(peak.x() + dx, peak.y() - radius + dy);
            white = white || (colour.red() > 200 && colour.green() > 200 && colour.blue() > 200);
        }
    }
    EXPECT_TRUE(white);
    // Where the band does not lift the curve, the point at +6 dB is plot background.
    const QColor away = image.pixelColor(At(35.0, 6.0));
    EXPECT_LT(away.green(), 100);
}

} // namespace
} // namespace quorvex::testing
