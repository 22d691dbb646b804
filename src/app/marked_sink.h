#pragma once

#include "link/real_time_sink.h"

namespace quorvex {

struct ProcessorConnection;

/// The editors' real-time sends to the connected processor, each under the connection's
/// transfer-running mark: a send first lets messages run for a while, and a change handled
/// then must not start a second message inside the first.
class MarkedSink : public RealTimeSink {
public:
    MarkedSink(RealTimeSink& sender, ProcessorConnection& processor)
        : sender_(sender), processor_(processor) {}

    bool SendCoefficient(int dsp, int address, double value) override;
    bool SendInteger(int dsp, int address, int value) override;
    bool SendSection(int dsp, int address, const std::array<long double, 5>& coefficients) override;
    const TransferResult& LastResult() const override { return sender_.LastResult(); }

private:
    RealTimeSink& sender_;
    ProcessorConnection& processor_;
};

} // namespace quorvex
