#pragma once

namespace quorvex {
struct Configuration;
}

namespace quorvex::fuzz {

/// Stops the run unless every number of the configuration is finite and inside the range its
/// editor keeps it in, every text within its field and every code within its list: what Open
/// and a read-back promise to leave behind, whatever the bytes were.
void RequireUsableConfiguration(const Configuration& config);

} // namespace quorvex::fuzz
