#pragma once

namespace quorvex {

/// A phase in radians (unwrapped, any size) as degrees folded into -180 .. +180 by whole
/// turns, rounding the turn count half away from zero: -pi gives +180, +pi gives -180.
/// Every phase plot of the program shows its curves this way.
double WrappedDegrees(double phaseRadians);

} // namespace quorvex
