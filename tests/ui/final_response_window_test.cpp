#include "desktop_fixture.h"

#include "app/final_response_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "ui/txy_graph.h"

#include <QCheckBox>
#include <QImage>

#include <cmath>

namespace quorvex::testing {
namespace {

class FinalResponseWindowTest : public GraphWindowFixture {
protected:
    void SetUp() override {
        App().Main().FinalResponseBClick();
        ASSERT_NO_FATAL_FAILURE(OpenGraphWindow("FinalResponseForm", "FinalResponseGraph"));
    }

    /// Whether a pixel within one of the mapped point is close to `colour`.
    bool ColourNear(const QImage& image, QPoint at, const QColor& colour) const {
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor found = image.pixelColor(at.x(), at.y() + dy);
            if (std::abs(found.red() - colour.red()) < 60 &&
                std::abs(found.green() - colour.green()) < 60 &&
                std::abs(found.blue() - colour.blue()) < 60) {
                return true;
            }
        }
        return false;
    }
    void UntickEveryStage() {
        for (const char* name : {"SpkData", "PEQBox", "XOVERBox", "GAINBox", "DelayBox"}) {
            auto* box = window->findChild<QCheckBox*>(name);
            ASSERT_NE(box, nullptr) << name;
            if (box->isChecked()) {
                QTest::mouseClick(box, Qt::LeftButton);
            }
            EXPECT_FALSE(box->isChecked()) << name;
        }
    }
    /// The value of curve `curve` (1..7) at the grid point nearest 1000 Hz.
    double AtThousandHertz(int curve) const {
        const GraphCurve& drawn = graph->Content().Curves.at(static_cast<std::size_t>(curve - 1));
        std::size_t nearest = 0;
        for (std::size_t i = 0; i < drawn.X.size(); ++i) {
            if (std::abs(drawn.X[i] - 1000.0) < std::abs(drawn.X[nearest] - 1000.0)) {
                nearest = i;
            }
        }
        return drawn.Y[nearest];
    }
};

TEST_F(FinalResponseWindowTest, WithEveryStageOffTheWhiteSumStandsAtSixOutputsWorth) {
    UntickEveryStage();
    const QImage image = graph->grab().toImage();
    const double sum = 20.0 * std::log10(6.0); // 15.56 dB
    EXPECT_TRUE(ColourNear(image, At(1000.0, sum), QColor(255, 255, 255)));
    EXPECT_TRUE(ColourNear(image, At(100.0, sum), QColor(255, 255, 255)));
    EXPECT_FALSE(ColourNear(image, At(1000.0, sum - 3.0), QColor(255, 255, 255)));
}

TEST_F(FinalResponseWindowTest, ThePeqBoxTakesTheEqualiserOutOfTheCurves) {
    TPEQForm& peq = App().Peq();
    peq.SelectOutput(1);
    peq.TipoFiltroComboChange(1);
    peq.FrecEditExit("1000");
    peq.FilterGainEditExit("6.0");
    EXPECT_GT(AtThousandHertz(1) - AtThousandHertz(2), 5.0);
    QTest::mouseClick(window->findChild<QCheckBox*>("PEQBox"), Qt::LeftButton);
    EXPECT_NEAR(AtThousandHertz(1), AtThousandHertz(2), 1e-6);
    EXPECT_FALSE(Doc().Config.ResponseView.PeqView);
}

TEST_F(FinalResponseWindowTest, TheShowButtonsHideCurvesAndTheSumIsNamedAdd) {
    auto* sum = Here<QAbstractButton>("Via7");
    EXPECT_EQ(sum->text(), "ADD");
    EXPECT_EQ(Here<QAbstractButton>("Via5")->text(),
              QString::fromStdString(Doc().Config.OutputNames[4]));
    ClickHere("Via7");
    EXPECT_FALSE(graph->Content().Curves[6].Visible);
    ClickHere("Phase");
    EXPECT_EQ(graph->Content().YAxis.Range.Maximum, 180.0);
}

TEST_F(FinalResponseWindowTest, TheImportButtonOpensTheImportWindow) {
    ClickHere("ImportB");
    EXPECT_TRUE(WindowNamed("ImportForm")->isVisible());
}

} // namespace
} // namespace quorvex::testing
