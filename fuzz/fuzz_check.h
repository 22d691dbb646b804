#pragma once

#include <cstdio>
#include <cstdlib>

namespace quorvex::fuzz {

/// Stops the run with the broken invariant's description, so libFuzzer keeps the input that
/// broke it. An invariant is what a person relies on, not what the code happens to do.
inline void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

} // namespace quorvex::fuzz
