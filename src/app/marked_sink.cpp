#include "app/marked_sink.h"

#include "app/transfer_mark.h"

namespace quorvex {

bool MarkedSink::SendCoefficient(int dsp, int address, double value) {
    const TransferMark mark(processor_);
    return sender_.SendCoefficient(dsp, address, value);
}

bool MarkedSink::SendInteger(int dsp, int address, int value) {
    const TransferMark mark(processor_);
    return sender_.SendInteger(dsp, address, value);
}

bool MarkedSink::SendSection(int dsp, int address, const std::array<long double, 5>& coefficients) {
    const TransferMark mark(processor_);
    return sender_.SendSection(dsp, address, coefficients);
}

} // namespace quorvex
