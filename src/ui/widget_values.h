#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

namespace quorvex {

class RackSlider;
class RealSpinEdit;
class TrackBar;

// A refresh puts the model's values into the widgets with their signals blocked, so no
// handler runs again, and leaves a field alone when it already shows the value (the cursor
// of a person typing stays where it is).

void ShowText(QLineEdit* field, const QString& text);
void ShowText(QPlainTextEdit* field, const QString& text);
void ShowText(QLabel* label, const QString& text);
void ShowText(QAbstractButton* button, const QString& text);
/// Also marks the field unedited, so leaving it reports nothing.
void ShowText(RealSpinEdit* edit, const QString& text);
void ShowChecked(QAbstractButton* button, bool checked);
/// Sets the range first, so the value is not clamped by the range it replaces.
void ShowValue(QSpinBox* spin, int minimum, int maximum, int value);
/// The model's fader on the screen: its range, then its position.
void ShowTrack(RackSlider* slider, const TrackBar& track);
void ShowEnabled(QWidget* widget, bool enabled);
/// Visible within its window: shown when the window is.
void ShowVisible(QWidget* widget, bool visible);

} // namespace quorvex
