#pragma once

#include <QString>

#include <functional>
#include <span>

class QHBoxLayout;
class QLabel;
class QWidget;

namespace quorvex {

class LedButton;
class RoundedButton;

/// The "Mag" and "Phase" keys under an editor's graph: the key of the mode shown is lit.
struct GraphModeKeys {
    RoundedButton* Magnitude = nullptr;
    RoundedButton* Phase = nullptr;

    /// Lights "Mag" when the graph shows magnitudes, "Phase" otherwise.
    void Show(bool magnitude) const;
};

/// Adds the "Mag" and "Phase" keys, named `magnitudeName` and `phaseName`, to `line` of
/// `row`; each click runs its handler.
GraphModeKeys AddGraphModeKeys(QWidget* row, QHBoxLayout* line, const char* magnitudeName,
                               const char* phaseName, std::function<void()> magnitudeClick,
                               std::function<void()> phaseClick);

/// Adds one lamp per entry of `lamps` to `line` of `row`, each in the colour of its curve,
/// named `namePattern` with its number from 1 and captioned `captionPattern` with it (no
/// caption when that is empty: the refresh writes it); a click runs `click` with the number.
void AddCurveLamps(QWidget* row, QHBoxLayout* line, const QString& namePattern,
                   const QString& captionPattern, std::span<LedButton*> lamps,
                   std::function<void(int)> click);

/// Adds the readout of the graph's pointer to `line` of `row`, wide enough for its longest
/// text, so the row does not jump as the mouse moves.
QLabel* AddPointerReadout(QWidget* row, QHBoxLayout* line);

} // namespace quorvex
