#include "app/real_time_writes.h"

#include "app/dialogs.h"
#include "app/notice_boxes.h"
#include "app/processor_connection.h"
#include "engine/tsos.h"
#include "link/device_messages.h"
#include "link/real_time_sink.h"

namespace quorvex {

bool RealTimeWrites::Allowed() const {
    return processor_.ShouldSendRealTime();
}

bool RealTimeWrites::Write(const std::function<bool(RealTimeSink&)>& send) {
    if (!Allowed()) {
        return true;
    }
    return Reported(send(*processor_.Sink));
}

bool RealTimeWrites::Reported(bool sent) {
    if (sent) {
        return true;
    }
    // Copied: going offline ends the sink that holds it.
    const TransferResult failure = processor_.Sink->LastResult();
    dialogs_.ShowMessage(MessageKind::Error, MessageButtons::Ok, device_message::Error);
    if (failure.ConnectionLost) {
        ShowNotices(dialogs_, failure.Messages);
        if (processor_.TakeOffline) {
            processor_.TakeOffline();
        }
    }
    return false;
}

bool RealTimeWrites::WriteSection(int dsp, int address, const TSOS& section) {
    return WriteCoefficients(dsp, address,
                             {section.b0, section.b1, section.b2, section.a1, section.a2});
}

bool RealTimeWrites::WriteCoefficients(int dsp, int address,
                                       const std::array<long double, 5>& coefficients) {
    return Write([&](RealTimeSink& sink) { return sink.SendSection(dsp, address, coefficients); });
}

bool RealTimeWrites::WriteCoefficient(int dsp, int address, double value) {
    return Write([&](RealTimeSink& sink) { return sink.SendCoefficient(dsp, address, value); });
}

bool RealTimeWrites::WriteInteger(int dsp, int address, int value) {
    return Write([&](RealTimeSink& sink) { return sink.SendInteger(dsp, address, value); });
}

} // namespace quorvex
