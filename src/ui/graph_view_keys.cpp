#include "ui/graph_view_keys.h"

#include "plot/curve_colours.h"
#include "ui/led_button.h"
#include "ui/rounded_button.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

#include <utility>

namespace quorvex {

namespace {

const QString MagCaption = QStringLiteral("Mag");
const QString PhaseCaption = QStringLiteral("Phase");
/// The longest text the pointer's readout shows.
const QString LongestReadout = QStringLiteral("20000 Hz , -180.00º  ");

RoundedButton* AddKey(QWidget* row, QHBoxLayout* line, const QString& caption, const char* name,
                      std::function<void()> click) {
    auto* key = new RoundedButton(caption, row);
    key->setObjectName(name);
    key->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(key, &RoundedButton::clicked, row, std::move(click));
    line->addWidget(key);
    return key;
}

} // namespace

void GraphModeKeys::Show(bool magnitude) const {
    Magnitude->SetLit(magnitude);
    Phase->SetLit(!magnitude);
}

GraphModeKeys AddGraphModeKeys(QWidget* row, QHBoxLayout* line, const char* magnitudeName,
                               const char* phaseName, std::function<void()> magnitudeClick,
                               std::function<void()> phaseClick) {
    GraphModeKeys keys;
    keys.Magnitude = AddKey(row, line, MagCaption, magnitudeName, std::move(magnitudeClick));
    keys.Phase = AddKey(row, line, PhaseCaption, phaseName, std::move(phaseClick));
    return keys;
}

void AddCurveLamps(QWidget* row, QHBoxLayout* line, const QString& namePattern,
                   const QString& captionPattern, std::span<LedButton*> lamps,
                   std::function<void(int)> click) {
    for (std::size_t index = 0; index < lamps.size(); ++index) {
        const int curve = static_cast<int>(index) + 1;
        auto* lamp =
            new LedButton(captionPattern.isEmpty() ? QString() : captionPattern.arg(curve), row);
        lamp->setObjectName(namePattern.arg(curve));
        lamp->SetLampColour(OutputCurveColour(curve));
        lamp->setFocusPolicy(Qt::StrongFocus);
        QObject::connect(lamp, &LedButton::clicked, row, [click, curve] { click(curve); });
        line->addWidget(lamp);
        lamps[index] = lamp;
    }
}

QLabel* AddPointerReadout(QWidget* row, QHBoxLayout* line) {
    auto* readout = new QLabel(row);
    readout->setObjectName("InfoLabel");
    readout->setMinimumWidth(readout->fontMetrics().horizontalAdvance(LongestReadout));
    line->addWidget(readout);
    return readout;
}

} // namespace quorvex
