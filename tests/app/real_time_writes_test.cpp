#include "app/connect_form.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "device_harness.h"
#include "fakes.h"
#include "link/device_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

using testing::DeviceHarness;
using testing::ProcessorLine;
using testing::ProgramHarness;

/// Connected over `tag` to the virtual processor, with real-time mode on.
void ConnectInRealTime(DeviceHarness& h, int tag) {
    h.Connect(tag);
    ASSERT_TRUE(h.Processor().Connected);
    h.Processor().RealTime = true;
}

void ExpectOffline(DeviceHarness& h) {
    EXPECT_FALSE(h.Processor().Connected);
    EXPECT_EQ(h.Processor().Sink, nullptr);
    EXPECT_EQ(h.Processor().Link, LinkKind::Offline);
    EXPECT_EQ(h.App.Connect().ConnectionState, OfflineState);
    EXPECT_TRUE(h.App.Connect().Lamps[TConnectForm::OffLineTag]);
    EXPECT_EQ(h.Processor().ConnectionText, device_message::StatusOffline);
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
}

TEST(RealTimeLinkLoss, ASendThatFindsTheLinkGoneTakesTheConnectionOffline) {
    for (const int tag : {TConnectForm::UsbTag, TConnectForm::Com1Tag}) {
        SCOPED_TRACE(tag);
        DeviceHarness h;
        ConnectInRealTime(h, tag);
        h.Unplugged = true;
        h.App.Gains().MuteClick(1);

        EXPECT_EQ(h.Dialogs.Texts(),
                  (std::vector<std::string>{"ERROR", ProcessorLine::UnpluggedText}));
        ExpectOffline(h);
        // The mute itself stays, as the local state changes before the send.
        EXPECT_TRUE(h.App.Gains().MuteLamp[0]);
    }
}

TEST(RealTimeLinkLoss, LaterChangesAreNotSentOnceOffline) {
    DeviceHarness h;
    ConnectInRealTime(h, TConnectForm::UsbTag);
    h.Unplugged = true;
    h.App.Gains().MuteClick(1);
    h.Unplugged = false;
    h.ClearRecords();
    h.Writes.clear();

    h.App.Gains().MuteClick(2);
    h.App.Main().RouteBClick(3);
    EXPECT_TRUE(h.Writes.empty());
    EXPECT_TRUE(h.Dialogs.Messages.empty());
}

TEST(RealTimeLinkLoss, AChangeOfSeveralSendsStopsAtTheLostOne) {
    DeviceHarness h;
    ConnectInRealTime(h, TConnectForm::UsbTag);
    h.Unplugged = true;
    // A route change sends two factors; the first one finds the link gone.
    h.App.Main().RouteBClick(3);
    EXPECT_EQ(h.Dialogs.Texts(), (std::vector<std::string>{"ERROR", ProcessorLine::UnpluggedText}));
    ExpectOffline(h);
}

TEST(RealTimeLinkLoss, ARefusedSendOnALiveLinkKeepsTheConnection) {
    ProgramHarness h;
    h.GoRealTime();
    h.Sink.Fails = true;
    h.App.Gains().MuteClick(1);
    EXPECT_EQ(h.Dialogs.Texts(), std::vector<std::string>{"ERROR"});
    EXPECT_TRUE(h.Processor().Connected);
    EXPECT_EQ(h.Processor().Sink, &h.Sink);
}

TEST(RealTimeLinkLoss, ASendThatWentOutLeavesTheConnectionAsItWas) {
    DeviceHarness h;
    ConnectInRealTime(h, TConnectForm::UsbTag);
    h.App.Gains().MuteClick(1);
    EXPECT_TRUE(h.Dialogs.Messages.empty());
    EXPECT_TRUE(h.Processor().Connected);
    EXPECT_FALSE(h.Writes.empty());
}

TEST(RealTimeBandSelection, SelectingABandSendsItOncePerSliderAndOnceAtTheEnd) {
    ProgramHarness h;
    TPEQForm& peq = h.App.Peq();
    peq.SelectOutput(3);
    h.GoRealTime();
    h.ClearRecords();

    peq.SelectBand(2);

    // Frequency, gain and Q sliders each run their handling, then the band is drawn.
    ASSERT_EQ(h.Sink.Sent.size(), 4U);
    const int address = h.Doc().Engine.Bands[2][1].DspAddress;
    for (const testing::SentMessage& sent : h.Sink.Sent) {
        EXPECT_EQ(sent.What, testing::SentMessage::Kind::Section);
        EXPECT_EQ(sent.Dsp, 2);
        EXPECT_EQ(sent.Address, address);
    }
}

} // namespace
} // namespace quorvex
