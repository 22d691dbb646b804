#include "desktop_fixture.h"

#include "app/edit_history.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "config/route.h"
#include "ui/form_window.h"
#include "ui/rack_slider.h"
#include "ui/real_spin_edit.h"
#include "ui/txy_graph.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace quorvex::testing {
namespace {

/// An editor window as the editors' forms are built: a level fader and a gain field of
/// Out1 forwarding to the levels model, refreshed from it. It knows nothing of the history.
class LevelWindow : public FormWindow {
public:
    explicit LevelWindow(TGainsForm& model) : FormWindow(model.Changed(), nullptr), model_(model) {
        auto* layout = new QVBoxLayout(this);
        fader = new RackSlider(Qt::Vertical, this);
        fader->setRange(0, LevelSliderMax);
        fader->setInvertedAppearance(true);
        fader->setMinimumHeight(400);
        connect(fader, &RackSlider::PositionMoved, this,
                [this](int position) { model_.SetPosition(1, position); });
        layout->addWidget(fader);
        field = new RealSpinEdit(this);
        connect(field, &RealSpinEdit::EditingLeft, this,
                [this](const QString& text) { model_.GainEditEnter(1, text.toStdString()); });
        connect(field, &RealSpinEdit::EnterPressed, this,
                [this](const QString& text) { model_.GainEditEnter(1, text.toStdString()); });
        layout->addWidget(field);
        Refresh();
    }

    void Refresh() override {
        fader->SetPosition(model_.Position[0]);
        if (field->Text() != QString::fromStdString(model_.GainText[0])) {
            field->SetText(QString::fromStdString(model_.GainText[0]));
        }
    }

    RackSlider* fader = nullptr;
    RealSpinEdit* field = nullptr;

protected:
    void CloseRequested() override {}

private:
    TGainsForm& model_;
};

void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

class UndoKeysTest : public DesktopFixture {
protected:
    void SetUp() override {
        App().Main().Show();
        main = WindowNamed("MainForm");
        ShowActive(main);
    }

    EditHistory& History() { return App().History(); }
    QString UndoTip() { return Control<QPushButton>("UndoButton")->toolTip(); }

    QWidget* main = nullptr;
};

TEST_F(UndoKeysTest, CtrlZInTheMainWindowTakesBackARouteClickAndCtrlYRedoesIt) {
    auto* route = Control<QPushButton>("Route3B");
    const QString before = route->text();
    Click("Route3B");
    ASSERT_NE(route->text(), before);
    EXPECT_EQ(Doc().Config.Route[2], RouteAB);
    EXPECT_EQ(UndoTip(), "Undo: Out3 route");

    QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(route->text(), before);
    EXPECT_EQ(Doc().Config.Route[2], RouteA);
    EXPECT_EQ(UndoTip(), "");
    EXPECT_FALSE(Control<QPushButton>("UndoButton")->isEnabled());
    EXPECT_EQ(Control<QPushButton>("RedoButton")->toolTip(), "Redo: Out3 route");

    QTest::keyClick(main, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Doc().Config.Route[2], RouteAB);
    EXPECT_EQ(route->text(), "A+B");
    QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Doc().Config.Route[2], RouteAB);
}

TEST_F(UndoKeysTest, TheUndoTipNamesAnEditMadeInAnotherWindow) {
    TPEQForm& peq = App().Peq();
    peq.SelectOutput(3);
    peq.SelectBand(2);
    peq.FilterGainEditExit("3.0");
    EXPECT_EQ(UndoTip(), "Undo: Out3 band 2 gain");
    EXPECT_EQ(Control<QPushButton>("UndoButton")->statusTip(), "Undo: Out3 band 2 gain");
    Click("UndoButton");
    EXPECT_DOUBLE_EQ(Doc().Config.Output(3).Band(2).Gain, 0.0);
    EXPECT_EQ(Control<QPushButton>("RedoButton")->toolTip(), "Redo: Out3 band 2 gain");
}

TEST_F(UndoKeysTest, CtrlZInANameFieldUndoesTheConfigurationNotOnlyTheField) {
    auto* name = Control<QLineEdit>("Out3Edit");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "KICK");
    ASSERT_EQ(Doc().Config.OutputNames[2], "KICK");

    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    // The field's own undo would take back the whole typing; the history takes one key.
    EXPECT_EQ(Doc().Config.OutputNames[2], "KIC");
    EXPECT_EQ(name->text(), "KIC");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Doc().Config.OutputNames[2], "KICK");
    EXPECT_EQ(name->text(), "KICK");
}

TEST_F(UndoKeysTest, TypingNotYetEnteredIsTheStepCtrlZTakesBackAndRedoBringsBack) {
    LevelWindow levels(App().Gains());
    ShowActive(&levels);
    QLineEdit* field = levels.field->Field();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "-3.0");
    ASSERT_DOUBLE_EQ(Doc().Config.Output(1).Level.GainDb, 0.0); // not entered yet

    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Doc().Config.Output(1).Level.GainDb, 0.0);
    EXPECT_EQ(field->text(), "0.0");
    EXPECT_TRUE(field->hasFocus());
    QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Doc().Config.Output(1).Level.GainDb, -3.0);
    EXPECT_EQ(field->text(), "-3.0");
}

TEST_F(UndoKeysTest, AWholeFaderDragIsOneStep) {
    LevelWindow levels(App().Gains());
    ShowActive(&levels);
    RackSlider* fader = levels.fader;
    const int start = App().Gains().Position[0];
    const std::size_t steps = History().StepCount();

    QTest::mousePress(fader, Qt::LeftButton, {}, fader->KnobCentre(start).toPoint());
    for (int position : {start + 40, start + 80, start + 120}) {
        QTest::mouseMove(fader, fader->KnobCentre(position).toPoint());
    }
    // Mid-drag nothing is a step yet, and the keys wait for the release.
    EXPECT_EQ(History().StepCount(), steps);
    QTest::mouseRelease(fader, Qt::LeftButton, {}, fader->KnobCentre(start + 120).toPoint());
    ASSERT_NEAR(App().Gains().Position[0], start + 120, 1);
    EXPECT_EQ(History().StepCount(), steps + 1);
    EXPECT_EQ(UndoTip(), "Undo: Out1 level");

    QTest::keyClick(fader, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(App().Gains().Position[0], start);
    EXPECT_EQ(fader->value(), start);
    EXPECT_DOUBLE_EQ(Doc().Config.Output(1).Level.GainDb, 0.0);
}

TEST_F(UndoKeysTest, AClickThatChangesNothingMakesNoStep) {
    const std::size_t steps = History().StepCount();
    QTest::mouseClick(Control<QLineEdit>("Out3Edit"), Qt::LeftButton);
    EXPECT_EQ(History().StepCount(), steps);
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(UndoKeysTest, ADragOfTheEqualisersMarkerIsOneStepThatCtrlZTakesBackInThatWindow) {
    App().Main().PeqBtnClick(3);
    QWidget* peq = WindowNamed("PEQForm");
    ASSERT_NE(peq, nullptr);
    peq->resize(1000, 600);
    ShowActive(peq);
    App().Peq().TipoFiltroComboChange(1); // "Parametric", so the marker can be dragged
    const std::size_t steps = History().StepCount();
    auto* graph = peq->findChild<TxyGraph*>("PEQGraph");
    ASSERT_NE(graph, nullptr);
    const auto mouseAt = [graph](double hz, double db) {
        const PlotAxes axes = graph->Axes();
        return QPoint(static_cast<int>(std::lround(axes.X.PixelOf(hz))),
                      static_cast<int>(std::lround(axes.Y.PixelOf(db))));
    };
    QTest::mouseMove(graph, mouseAt(1000.0, 0.0));
    QTest::mousePress(graph, Qt::LeftButton, {}, mouseAt(1000.0, 0.0));
    for (const double db : {2.0, 4.0, 6.0}) {
        QTest::mouseMove(graph, mouseAt(1000.0, db));
    }
    QTest::mouseRelease(graph, Qt::LeftButton, {}, mouseAt(1000.0, 6.0));
    const PeqBand& band = Doc().Config.Output(3).Band(1);
    ASSERT_DOUBLE_EQ(band.Gain, 6.0);
    EXPECT_EQ(History().StepCount(), steps + 1);

    QTest::keyClick(graph, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(band.Gain, 0.0);
    EXPECT_EQ(band.FilterType, 1); // the type chosen before the drag stays
    EXPECT_EQ(peq->findChild<QLineEdit*>("FilterGainEdit")->text(), "0.0");
    QTest::keyClick(graph, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(band.Gain, 6.0);
}

} // namespace
} // namespace quorvex::testing
