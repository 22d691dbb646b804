#include "app/real_time_writes.h"

#include "app/dialogs.h"
#include "app/notice_boxes.h"
#include "app/session.h"
#include "engine/tsos.h"
#include "link/device_messages.h"
#include "link/real_time_sink.h"

namespace quorvex {

namespace {

bool Reported(Session& session, bool sent) {
    if (sent) {
        return true;
    }
    // Copied: going offline ends the sink that holds it.
    const TransferResult failure = session.Sink->LastResult();
    session.Ui.ShowMessage(MessageKind::Error, MessageButtons::Ok, device_message::Error);
    if (failure.ConnectionLost) {
        ShowNotices(session, failure.Messages);
        if (session.TakeOffline) {
            session.TakeOffline();
        }
    }
    return false;
}

} // namespace

bool WriteSection(Session& session, int dsp, int address, const TSOS& section) {
    return WriteCoefficients(session, dsp, address,
                             {section.b0, section.b1, section.b2, section.a1, section.a2});
}

bool WriteCoefficients(Session& session, int dsp, int address,
                       const std::array<long double, 5>& coefficients) {
    if (!session.ShouldSendRealTime()) {
        return true;
    }
    return Reported(session, session.Sink->SendSection(dsp, address, coefficients));
}

bool WriteCoefficient(Session& session, int dsp, int address, double value) {
    if (!session.ShouldSendRealTime()) {
        return true;
    }
    return Reported(session, session.Sink->SendCoefficient(dsp, address, value));
}

bool WriteInteger(Session& session, int dsp, int address, int value) {
    if (!session.ShouldSendRealTime()) {
        return true;
    }
    return Reported(session, session.Sink->SendInteger(dsp, address, value));
}

} // namespace quorvex
