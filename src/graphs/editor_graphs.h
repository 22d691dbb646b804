#pragma once

#include "config/dimensions.h"
#include "plot/graph_content.h"

#include <array>
#include <string>

namespace quorvex {

class TDynamicform;
class TFinalResponseForm;
class TPEQForm;
class TXOVERForm;

// The graphs the editors' windows show, built from their models as they stand: titles,
// axis ranges, the curves in the system's colours with their show buttons' visibility.

/// The equaliser's six curves, named as the outputs are (`outputNames`, the configuration's),
/// up to the selected output's frequency maximum; in magnitude mode the selected band's
/// marker. With the "XOVER" view the selected curve is red.
GraphContent EqualiserGraph(const TPEQForm& window,
                            const std::array<std::string, OutputCount>& outputNames);

/// The crossover's six curves, named as the outputs are (`outputNames`, the configuration's),
/// the selected output's in front.
GraphContent CrossoverGraph(const TXOVERForm& window,
                            const std::array<std::string, OutputCount>& outputNames);

/// The "Final response" window's six outputs, named as in the main window, and their sum.
GraphContent FinalResponseGraph(const TFinalResponseForm& window);

/// The dynamics editor's static transfer curve of the selected block, input to output in
/// dBu, behind it the reference line (the straight line while the block is bypassed).
GraphContent DynamicsGraph(const TDynamicform& window);

} // namespace quorvex
