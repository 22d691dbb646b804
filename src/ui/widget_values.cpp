#include "ui/widget_values.h"

#include "app/track_bar.h"
#include "ui/rack_slider.h"
#include "ui/real_spin_edit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace quorvex {

void ShowText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        const QSignalBlocker blocker(field);
        field->setText(text);
    }
}

void ShowText(QPlainTextEdit* field, const QString& text) {
    if (field->toPlainText() != text) {
        const QSignalBlocker blocker(field);
        field->setPlainText(text);
    }
}

void ShowText(RealSpinEdit* edit, const QString& text) {
    if (edit->Text() != text) {
        edit->SetText(text);
    }
}

void ShowTrack(RackSlider* slider, const TrackBar& track) {
    const QSignalBlocker blocker(slider);
    slider->setRange(track.Minimum(), track.Maximum());
    slider->SetPosition(track.Position());
}

void ShowText(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

void ShowText(QAbstractButton* button, const QString& text) {
    if (button->text() != text) {
        button->setText(text);
    }
}

void ShowChecked(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void ShowValue(QSpinBox* spin, int minimum, int maximum, int value) {
    const QSignalBlocker blocker(spin);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
}

void ShowEnabled(QWidget* widget, bool enabled) {
    if (widget->isEnabled() != enabled) {
        widget->setEnabled(enabled);
    }
}

void ShowVisible(QWidget* widget, bool visible) {
    if (widget->isVisibleTo(widget->window()) != visible) {
        widget->setVisible(visible);
    }
}

} // namespace quorvex
