#include "ui/real_spin_edit.h"

#include "ui/rack_palette.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorvex {

namespace {

QToolButton* StepButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    QPalette colours = button->palette();
    colours.setColor(QPalette::Button, RackPalette::Key());
    colours.setColor(QPalette::ButtonText, RackPalette::Text());
    button->setPalette(colours);
    button->setAutoRaise(false);
    const int side = button->fontMetrics().height();
    button->setIconSize(QSize(side / 2, side / 2));
    button->setFixedWidth(side + side / 4);
    return button;
}

} // namespace

RealSpinEdit::RealSpinEdit(QWidget* parent)
    : QWidget(parent), field_(new QLineEdit(this)), up_(StepButton(Qt::UpArrow, this)),
      down_(StepButton(Qt::DownArrow, this)) {
    QPalette colours = field_->palette();
    colours.setColor(QPalette::Base, RackPalette::Recess());
    colours.setColor(QPalette::Text, RackPalette::Accent());
    field_->setPalette(colours);
    field_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field_->installEventFilter(this);

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(up_);
    buttons->addWidget(down_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(field_, 1);
    row->addLayout(buttons);
    setFocusProxy(field_);

    // A value applied with Enter is not reported again when the field is left.
    connect(field_, &QLineEdit::returnPressed, this, [this] {
        field_->setModified(false);
        emit EnterPressed(field_->text());
    });
    connect(up_, &QToolButton::clicked, this, &RealSpinEdit::StepUp);
    connect(down_, &QToolButton::clicked, this, &RealSpinEdit::StepDown);
}

void RealSpinEdit::SetText(const QString& text) {
    field_->setText(text);
    field_->setModified(false);
}

QString RealSpinEdit::Text() const {
    return field_->text();
}

QSize RealSpinEdit::sizeHint() const {
    const QFontMetrics metrics(font());
    // Room for "-20000.00" and the buttons.
    return {metrics.horizontalAdvance(QStringLiteral("-20000.00")) + metrics.height() * 2,
            QWidget::sizeHint().height()};
}

bool RealSpinEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up) {
            emit StepUp();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            emit StepDown();
            return true;
        }
    }
    if (watched == field_ && event->type() == QEvent::FocusOut && field_->isModified()) {
        field_->setModified(false);
        emit EditingLeft(field_->text());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvex
