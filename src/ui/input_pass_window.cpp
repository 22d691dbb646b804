#include "ui/input_pass_window.h"

#include "app/input_pass_form.h"
#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QVBoxLayout>

namespace quorvex {

namespace {

// The field masks with '*', whatever the desktop's style would use.
class StarMaskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter) {
            return '*';
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

InputPassWindow::InputPassWindow(TInputPassForm& model, QWidget* owner)
    : FormWindow(model.Changed(), owner, Modality::Modal), model_(model) {
    setObjectName("InputPassForm");
    setWindowTitle(ToQString(TInputPassForm::Caption));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(ToQString(TInputPassForm::Caption), this);
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);
    code_ = new QLineEdit(this);
    code_->setObjectName("PasswordEdit");
    code_->setEchoMode(QLineEdit::Password);
    auto* style = new StarMaskStyle;
    style->setParent(code_);
    code_->setStyle(style);
    code_->setMaxLength(TInputPassForm::CodeCapacity);
    code_->setAlignment(Qt::AlignCenter);
    code_->setMinimumWidth(code_->fontMetrics().averageCharWidth() * 16);
    connect(code_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.PasswordEditChange(ToStdString(text)); });
    connect(code_, &QLineEdit::returnPressed, this, [this] { model_.PasswordEditEnter(); });
    layout->addWidget(code_);
    Refresh();
}

void InputPassWindow::Refresh() {
    ShowText(code_, ToQString(model_.PasswordEdit));
    ApplyVisible(model_.Visible);
    if (model_.Visible) {
        code_->setFocus();
    }
}

void InputPassWindow::CloseRequested() {
    model_.Close();
}

void InputPassWindow::changeEvent(QEvent* event) {
    FormWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model_.FormActivate();
    }
}

} // namespace quorvex
