#include "ui/delay_window.h"

#include "app/delay_fino_form.h"
#include "plot/curve_colours.h"
#include "ui/led_button.h"
#include "ui/output_strips.h"
#include "ui/qt_text.h"
#include "ui/rack_fader.h"
#include "ui/rack_palette.h"
#include "ui/rack_slider.h"
#include "ui/rack_window_palette.h"
#include "ui/real_spin_edit.h"
#include "ui/real_time_lamp.h"
#include "ui/widget_values.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvex {

namespace {

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

/// The drawing's line lengths are in the pixels of a 96-dpi screen.
constexpr double DrawingDpi = 96.0;
/// The longest line, either way: a full-scale difference of distance and delay.
constexpr double LongestLine = 60.0;

} // namespace

/// The drawing of the outputs: a line per output, as long as its relative distance less its
/// delay, with the speaker at its end, so that aligned speakers stand in one column.
class SpeakerLineDrawing : public QWidget {
public:
    explicit SpeakerLineDrawing(QWidget* parent) : QWidget(parent) {
        setObjectName("SpeakerDrawing");
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }

    void SetLengths(const std::array<int, OutputCount>& lengths) {
        if (lengths != lengths_) {
            lengths_ = lengths;
            update();
        }
    }

    QSize sizeHint() const override {
        const int row = fontMetrics().height() * 2;
        return {static_cast<int>(Scale() * LongestLine * 2.0) + row * 2, row * OutputCount};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), RackPalette::Recess());
        const double unit = Scale();
        const double speaker = fontMetrics().height() * 0.9;
        // Zero length sits in the middle: a delay longer than the distance draws leftwards.
        const double origin = width() / 2.0;
        painter.setPen(QPen(RackPalette::Edge(), 1.0, Qt::DotLine));
        painter.drawLine(QPointF(origin, 0.0), QPointF(origin, height()));
        for (int output = 1; output <= OutputCount; ++output) {
            // One row per distance field beside the drawing, which spans their rows.
            const double y = (output - 0.5) * height() / OutputCount;
            const double end = origin + lengths_[Index(output)] * unit;
            const QColor colour = OutputCurveColour(output);
            painter.setPen(QPen(colour, 2.0));
            painter.drawLine(QPointF(origin, y), QPointF(end, y));
            // A speaker facing right: a box with its cone.
            QPainterPath cone;
            cone.moveTo(end, y - speaker * 0.25);
            cone.lineTo(end + speaker * 0.35, y - speaker * 0.5);
            cone.lineTo(end + speaker * 0.35, y + speaker * 0.5);
            cone.lineTo(end, y + speaker * 0.25);
            cone.closeSubpath();
            painter.setPen(QPen(colour.darker(150), 1.0));
            painter.setBrush(colour);
            painter.drawRect(
                QRectF(end - speaker * 0.3, y - speaker * 0.25, speaker * 0.3, speaker * 0.5));
            painter.drawPath(cone);
        }
    }

private:
    double Scale() const { return logicalDpiX() / DrawingDpi; }

    std::array<int, OutputCount> lengths_{};
};

DelayWindow::DelayWindow(TDelayFinoForm& model, QWidget* owner)
    : ActivatedWindow(model, model.Changed(), owner) {
    setObjectName("DelayFinoForm");
    setWindowTitle(ToQString(TDelayFinoForm::Caption));
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        MakeStripRow(this, OutputCount, [this](int output) { return BuildStrip(output); }), 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(BuildDistances(), 1);
    auto* side = new QVBoxLayout;
    side->addWidget(BuildTemperature());
    side->addStretch(1);
    realTime_ = MakeRealTimeLamp(this, [this] { model_.RealTimeBClick(); });
    side->addWidget(realTime_);
    lower->addLayout(side);
    layout->addLayout(lower);
    Refresh();
}

RealSpinEdit* DelayWindow::AddDelayField(int output, const char* name, QWidget* parent,
                                         void (TDelayFinoForm::*enter)(int, std::string_view)) {
    auto* field = new RealSpinEdit(parent);
    field->setObjectName(QString(name).arg(output));
    field->Field()->setObjectName(QString(name).arg(output) + "Field");
    field->Field()->setMinimumWidth(fontMetrics().horizontalAdvance("000.00"));
    const auto apply = [this, output, enter](const QString& text) {
        (model_.*enter)(output, ToStdString(text));
    };
    connect(field, &RealSpinEdit::EnterPressed, this, apply);
    connect(field, &RealSpinEdit::EditingLeft, this, apply);
    connect(field, &RealSpinEdit::StepUp, this, [this, output] { model_.StepUp(output); });
    connect(field, &RealSpinEdit::StepDown, this, [this, output] { model_.StepDown(output); });
    return field;
}

QWidget* DelayWindow::BuildStrip(int output) {
    Strip& strip = strips_[Index(output)];
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    strip.Name = AddStripName(panel, grid, output);

    // Position 0 is the longest delay: the fader's top.
    strip.Track =
        MakeFader(panel, QString("Del%1track").arg(output), TDelayFinoForm::SliderMaximum, 12,
                  [this, output](int position) { model_.SetPosition(output, position); });
    grid->addWidget(strip.Track, 1, 0, 1, 2, Qt::AlignHCenter);
    grid->setRowStretch(1, 1);

    strip.Ms = AddDelayField(output, "Ms%1Edit", panel, &TDelayFinoForm::MsEditEnter);
    grid->addWidget(strip.Ms, 2, 0);
    grid->addWidget(new QLabel("ms", panel), 2, 1);
    strip.Cm = AddDelayField(output, "Cm%1Edit", panel, &TDelayFinoForm::CmEditEnter);
    grid->addWidget(strip.Cm, 3, 0);
    grid->addWidget(new QLabel("cm", panel), 3, 1);
    return panel;
}

QWidget* DelayWindow::BuildTemperature() {
    auto* group = new QGroupBox("Temperature", this);
    auto* grid = new QGridLayout(group);
    celsius_ = new QSpinBox(group);
    celsius_->setObjectName("TemperaturaSpin");
    celsius_->setRange(0, 50);
    celsius_->setKeyboardTracking(false);
    connect(celsius_, &QSpinBox::valueChanged, this,
            [this](int value) { model_.TemperatureCChange(value); });
    fahrenheit_ = new QSpinBox(group);
    fahrenheit_->setObjectName("TemperaturaFSpin");
    fahrenheit_->setRange(32, 122);
    fahrenheit_->setKeyboardTracking(false);
    connect(fahrenheit_, &QSpinBox::valueChanged, this,
            [this](int value) { model_.TemperatureFChange(value); });
    grid->addWidget(celsius_, 0, 0);
    grid->addWidget(new QLabel("ºC", group), 0, 1);
    grid->addWidget(fahrenheit_, 1, 0);
    grid->addWidget(new QLabel("ºF", group), 1, 1);
    return group;
}

QWidget* DelayWindow::BuildDistances() {
    auto* group = new QGroupBox("Relative Distance Between Speakers", this);
    auto* grid = new QGridLayout(group);
    for (int output = 1; output <= OutputCount; ++output) {
        Strip& strip = strips_[Index(output)];
        const int row = output - 1;
        strip.DistanceName = new QLabel(group);
        grid->addWidget(strip.DistanceName, row, 0);
        strip.Distance = new RealSpinEdit(group);
        strip.Distance->setObjectName(QString("Distance%1Edit").arg(output));
        strip.Distance->Field()->setObjectName(QString("Distance%1EditField").arg(output));
        const auto apply = [this, output](const QString& text) {
            model_.DistanceEnter(output, ToStdString(text));
        };
        connect(strip.Distance, &RealSpinEdit::EnterPressed, this, apply);
        connect(strip.Distance, &RealSpinEdit::EditingLeft, this, apply);
        connect(strip.Distance, &RealSpinEdit::StepUp, this,
                [this, output] { model_.DistanceStepUp(output); });
        connect(strip.Distance, &RealSpinEdit::StepDown, this,
                [this, output] { model_.DistanceStepDown(output); });
        grid->addWidget(strip.Distance, row, 1);
        grid->addWidget(new QLabel("cm", group), row, 2);
    }
    drawing_ = new SpeakerLineDrawing(group);
    grid->addWidget(drawing_, 0, 3, OutputCount, 1);
    grid->setColumnStretch(3, 1);

    auto* align = new QPushButton("Auto Align", group);
    align->setObjectName("AutoAlignB");
    connect(align, &QPushButton::clicked, this, [this] { model_.AutoAlignClick(); });
    grid->addWidget(align, OutputCount, 0, 1, 3);
    // What Auto Align takes off each pair with a dynamics look-ahead.
    auto* lookAhead = new QGridLayout;
    const std::array<QString, 2> pairs{"Look-ahead Out1/Out2:", "Look-ahead Out3/Out4:"};
    for (std::size_t pair = 0; pair < lookAhead_.size(); ++pair) {
        lookAhead->addWidget(new QLabel(pairs[pair], group), static_cast<int>(pair), 0);
        lookAhead_[pair] = new QLabel(group);
        lookAhead_[pair]->setObjectName(QString("LookAhead%1Label").arg(pair + 1));
        lookAhead->addWidget(lookAhead_[pair], static_cast<int>(pair), 1);
    }
    grid->addLayout(lookAhead, OutputCount, 3);
    return group;
}

void DelayWindow::Refresh() {
    for (int output = 1; output <= OutputCount; ++output) {
        const std::size_t index = Index(output);
        Strip& strip = strips_[index];
        ShowText(strip.Name, ToQString(model_.ChannelLabel[index]));
        ShowText(strip.DistanceName, ToQString(model_.ChannelLabel[index]));
        strip.Track->SetPosition(model_.Position[index]);
        ShowText(strip.Ms->Field(), ToQString(model_.MsText[index]));
        ShowText(strip.Cm->Field(), ToQString(model_.CmText[index]));
        ShowText(strip.Distance->Field(), ToQString(model_.DistanceText[index]));
    }
    drawing_->SetLengths(model_.LineLength);
    ShowValue(celsius_, 0, 50, model_.TemperatureC());
    ShowValue(fahrenheit_, 32, 122, model_.TemperatureF);
    for (std::size_t pair = 0; pair < lookAhead_.size(); ++pair) {
        ShowText(lookAhead_[pair], ToQString(model_.LookAheadText[pair]));
    }
    realTime_->SetLit(model_.RealTimeLamp);
    ApplyVisible(model_.Visible);
}

} // namespace quorvex
