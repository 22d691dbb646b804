#include "ui/real_time_lamp.h"

#include "ui/led_button.h"
#include "ui/rack_palette.h"
#include "ui/rounded_button.h"

#include <QHBoxLayout>
#include <QWidget>

#include <utility>

namespace quorvex {

LedButton* MakeRealTimeLamp(QWidget* parent, std::function<void()> click) {
    auto* lamp = new LedButton(QStringLiteral("Real Time"), parent);
    lamp->setObjectName("RealTimeB");
    lamp->setFocusPolicy(Qt::StrongFocus);
    lamp->SetLampColour(RackPalette::MeterTop());
    QObject::connect(lamp, &LedButton::clicked, parent, std::move(click));
    return lamp;
}

QWidget* MakeSelectRow(QWidget* parent, const QString& namePattern, std::span<RoundedButton*> keys,
                       std::function<void(int)> select, LedButton*& realTime,
                       std::function<void()> realTimeClick) {
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (std::size_t index = 0; index < keys.size(); ++index) {
        const int number = static_cast<int>(index) + 1;
        auto* key = new RoundedButton(QString(), row);
        key->setObjectName(namePattern.arg(number));
        key->setFocusPolicy(Qt::StrongFocus);
        QObject::connect(key, &RoundedButton::clicked, row, [select, number] { select(number); });
        line->addWidget(key);
        keys[index] = key;
    }
    line->addStretch(1);
    realTime = MakeRealTimeLamp(row, std::move(realTimeClick));
    line->addWidget(realTime);
    return row;
}

} // namespace quorvex
