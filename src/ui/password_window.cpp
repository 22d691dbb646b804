#include "ui/password_window.h"

#include "app/password_form.h"
#include "ui/led_button.h"
#include "ui/qt_text.h"
#include "ui/rack_window_palette.h"
#include "ui/widget_values.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvex {

namespace {

QColor DisplayColour(TPasswordForm::DisplayColour colour) {
    return colour == TPasswordForm::DisplayColour::BrightGreen ? QColor(0, 255, 0)
                                                               : QColor(255, 0, 0);
}

// The knob's picture, as the letter wheel turns.
QString KnobPicture(TPasswordForm::KnobPicture knob) {
    switch (knob) {
    case TPasswordForm::KnobPicture::TurnedUp:
        return QString::fromUtf8("\u25B2");
    case TPasswordForm::KnobPicture::TurnedDown:
        return QString::fromUtf8("\u25BC");
    case TPasswordForm::KnobPicture::Enter:
        break;
    }
    return QString::fromUtf8("\u25CF");
}

} // namespace

PasswordWindow::PasswordWindow(TPasswordForm& model, QWidget* owner)
    : FormWindow(model.Changed(), owner, Modality::Modal), model_(model) {
    setObjectName("PasswordForm");
    setWindowTitle(ToQString(TPasswordForm::Caption));
    // Drawn as the unit's own front panel, where the password is entered the same way.
    ApplyRackWindowPalette(this);
    auto* layout = new QGridLayout(this);

    layout->addWidget(new QLabel("PASSWORD", this), 0, 0, 1, 3);
    display_ = new QLineEdit(this);
    display_->setObjectName("Password_Edit");
    display_->setReadOnly(true);
    display_->setMaxLength(6);
    display_->setAlignment(Qt::AlignCenter);
    QFont big = display_->font();
    big.setFamily("DejaVu Sans Mono");
    big.setPointSizeF(big.pointSizeF() * 1.8);
    display_->setFont(big);
    display_->setMinimumWidth(QFontMetrics(big).horizontalAdvance("MMMMMM") * 3 / 2);
    layout->addWidget(display_, 1, 0, 1, 3);

    layout->addWidget(new QLabel("UP", this), 2, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel("DOWN", this), 2, 1, Qt::AlignHCenter);
    layout->addWidget(new QLabel("ENTER", this), 2, 2, Qt::AlignHCenter);
    layout->addWidget(KnobButton("FARR_SpeedButton", QString::fromUtf8("\u25B2"), true), 3, 0);
    layout->addWidget(KnobButton("FABA_SpeedButton", QString::fromUtf8("\u25BC"), false), 3, 1);
    auto* enter = new QPushButton("E", this);
    enter->setObjectName("ENTER_SpeedButton");
    connect(enter, &QPushButton::clicked, this, [this] { model_.ENTER_SpeedButtonClick(); });
    layout->addWidget(enter, 3, 2);
    knob_ = new QLabel(this);
    knob_->setObjectName("KnobPicture");
    knob_->setAlignment(Qt::AlignCenter);
    layout->addWidget(knob_, 4, 0, 1, 3);

    active_ = new LedButton(ToQString(TPasswordForm::ActiveLabel), this);
    active_->setObjectName("PasswordLED");
    connect(active_, &LedButton::clicked, this, [this] { model_.PasswordLEDClick(); });
    layout->addWidget(active_, 5, 0, 1, 3);

    auto* clear = new QPushButton("Clear", this);
    clear->setObjectName("SpeedButton1");
    connect(clear, &QPushButton::clicked, this, [this] { model_.SpeedButton1Click(); });
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OK_BitBtn");
    connect(ok_, &QPushButton::clicked, this, [this] { model_.OK_BitBtnClick(); });
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("BitBtn2");
    connect(cancel, &QPushButton::clicked, this, [this] { model_.BitBtn2Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 6, 0, 1, 3);
    Refresh();
}

QPushButton* PasswordWindow::KnobButton(const char* name, const QString& caption, bool up) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::pressed, this, [this, up] { model_.KnobPressed(up); });
    connect(button, &QPushButton::released, this, [this] { model_.KnobReleased(); });
    connect(button, &QPushButton::clicked, this, [this, up] {
        if (up) {
            model_.FARR_SpeedButtonClick();
        } else {
            model_.FABA_SpeedButtonClick();
        }
    });
    return button;
}

void PasswordWindow::Refresh() {
    ShowText(display_, ToQString(model_.PasswordEdit));
    QPalette palette = display_->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, DisplayColour(model_.Colour));
    display_->setPalette(palette);
    active_->SetLit(model_.PasswordLED);
    ShowText(knob_, KnobPicture(model_.Knob));
    ShowEnabled(ok_, model_.OkEnabled);
    ApplyVisible(model_.Visible);
}

void PasswordWindow::CloseRequested() {
    model_.BitBtn2Click();
}

void PasswordWindow::changeEvent(QEvent* event) {
    FormWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model_.FormActivate();
    }
}

} // namespace quorvex
