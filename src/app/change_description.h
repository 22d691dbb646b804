#pragma once

#include <string>

namespace quorvex {

struct Configuration;

/// What an edit changed, as the undo and redo of it are named: "Out3 band 2 gain",
/// "SUB1 delay", "Out1/Out2 dynamics threshold", "system name". Several changes are named by
/// the first and counted ("Out2 band 1 type and 3 more"); "" when no field differs.
std::string DescribeChange(const Configuration& before, const Configuration& after);

/// True when every field that differs is a value an editor moved onto its control's step
/// (a band's frequency, gain or Q by less than one step) as it was selected: not a change
/// of the person's, so no step of its own; it goes with the next one.
bool IsOnlyAdjustment(const Configuration& before, const Configuration& after);

/// The name the person knows an output by: Out1..Out4, SUB1, SUB2.
std::string OutputLabel(int output);

} // namespace quorvex
