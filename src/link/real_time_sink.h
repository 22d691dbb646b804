#pragma once

#include "link/transfer_result.h"

#include <array>

namespace quorvex {

/// Where the editors' real-time changes go: one unacknowledged message per call to the
/// running processor. The device link implements it; tests record the calls.
/// `dsp` is 1 or 2; `address` is the word address in that DSP's coefficient memory.
/// Each call reports whether the message went out.
class RealTimeSink {
public:
    virtual ~RealTimeSink() = default;

    /// One real value as a coefficient word.
    virtual bool SendCoefficient(int dsp, int address, double value) = 0;
    /// One 16-bit integer word.
    virtual bool SendInteger(int dsp, int address, int value) = 0;
    /// Five coefficients b0, b1, b2, a1, a2 of a section at consecutive addresses from `address`.
    virtual bool SendSection(int dsp, int address,
                             const std::array<long double, 5>& coefficients) = 0;

    /// The outcome of the last send: after a failure, the link's boxes and whether the link
    /// is gone (the connection must then go offline, as after a failed transfer).
    virtual const TransferResult& LastResult() const = 0;
};

} // namespace quorvex
