#pragma once

namespace quorvex {

/// A sub-feed coefficient as the configuration keeps it, from a value read from a file or a
/// memory image: the nearer of 0.0 and 1.0, with exactly 0.5 going to 0.0 (ties to even, as
/// every rounding of the program). Anything below 0 gives 0.0, anything above 1 gives 1.0.
double SubFeedCoefficientOf(double value);

} // namespace quorvex
