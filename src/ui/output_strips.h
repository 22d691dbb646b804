#pragma once

#include <QString>

#include <functional>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace quorvex {

/// The strips of an editor with one strip per output, side by side with a sunken line
/// between each two; `build` makes the strip of an output (numbered from 1).
QHBoxLayout* MakeStripRow(QWidget* parent, int outputs, const std::function<QWidget*(int)>& build);

/// The output's name across the top of its strip (row 0 of `grid`, both columns), named
/// after the output; the refresh writes the name.
QLabel* AddStripName(QWidget* panel, QGridLayout* grid, int output);

} // namespace quorvex
