#pragma once

#include <QColor>

namespace quorvex {

/// The fixed colour of an output's curve in every plot: Out1 aqua, Out2 red, Out3 lime,
/// Out4 fuchsia, SUB1 yellow, SUB2 orange. `output` is 1..6; any other number gives the
/// sum's colour.
QColor OutputCurveColour(int output);

/// The colour of a sum of outputs: white.
QColor SumCurveColour();

} // namespace quorvex
