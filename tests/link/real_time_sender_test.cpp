#include "counting_loop.h"
#include "link/real_time_sender.h"
#include "processor_line.h"
#include "sim/memory_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvex::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Frame(std::uint8_t dsp, std::uint8_t type, const Bytes& payload) {
    Bytes frame(payload.size() + 5);
    frame[0] = 0x85;
    frame[1] = 0x12;
    frame[2] = dsp;
    frame[3] = type;
    std::copy(payload.begin(), payload.end(), frame.begin() + 4);
    frame.back() = 0x55;
    return frame;
}

class RealTime : public ::testing::Test {
protected:
    Bytes Word(int dsp, int word) const {
        const auto at = unit.Memory(unit.CurrentMemory()).begin() +
                        static_cast<std::ptrdiff_t>(sim::WordOffset(dsp, word));
        return Bytes(at, at + 3);
    }

    VirtualProcessor unit;
    quorvex::testing::ProcessorLine link{unit, TransportKind::ComPort};
    CommunicationWindow window;
    CountingLoop loop;
    TransferProtocol protocol{link, window, loop};
    RealTimeSender sender{protocol, loop};
};

TEST_F(RealTime, CoefficientIsAFiveBytePayloadOfTypeTwo) {
    // An output gain of 0.5 on output a of DSP 1.
    ASSERT_TRUE(sender.SendCoefficient(1, 258, 0.5));

    EXPECT_EQ(link.sent, Frame(1, 2, {0x01, 0x02, 0x08, 0x00, 0x00}));
    EXPECT_EQ(loop.total, 101);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(Word(1, 255), (Bytes{0x08, 0x00, 0x00}));
}

TEST_F(RealTime, NegativeCoefficientKeepsSixBitsInItsTopByte) {
    ASSERT_TRUE(sender.SendCoefficient(2, 0, -1.0));
    EXPECT_EQ(link.sent, Frame(2, 2, {0x00, 0x00, 0x30, 0x00, 0x00}));
}

TEST_F(RealTime, IntegerCarriesAZeroByteBeforeTheValue) {
    // Out4's delay word: 11 = DelaySamples 10 + 1.
    ASSERT_TRUE(sender.SendInteger(2, 142, 11));

    EXPECT_EQ(link.sent, Frame(2, 2, {0x00, 0x8E, 0x00, 0x00, 0x0B}));
    EXPECT_EQ(loop.total, 201);
    EXPECT_EQ(Word(2, 142), (Bytes{0x00, 0x00, 0x0B}));
}

TEST_F(RealTime, SectionIsSeventeenBytesOfTypeZero) {
    const std::array<long double, 5> section{1.0L, -0.5L, 0.25L, -1.0L, 0.1L};
    ASSERT_TRUE(sender.SendSection(1, 41, section));

    EXPECT_EQ(link.sent, Frame(1, 0,
                               {0x00, 0x29, 0x10, 0x00, 0x00, 0x38, 0x00, 0x00, 0x04, 0x00, 0x00,
                                0x30, 0x00, 0x00, 0x01, 0x99, 0x99}));
    EXPECT_EQ(loop.total, 1501);
    EXPECT_EQ(Word(1, 45), (Bytes{0x01, 0x99, 0x99}));
}

TEST_F(RealTime, SectionAddressBeyondOneByteIsRefused) {
    EXPECT_FALSE(sender.SendSection(1, 256, {1.0L, 0.0L, 0.0L, 0.0L, 0.0L}));
    EXPECT_TRUE(link.sent.empty());
}

TEST_F(RealTime, NoMessageStartsInsideARunningTransfer) {
    // A message-loop pass inside a transaction lets an editor ask for a real-time send.
    class EditorDuringTransfer : public MessageLoop {
    public:
        explicit EditorDuringTransfer(RealTimeSender*& sender) : sender_(sender) {}
        void Run(int) override {
            if (sender_ != nullptr && !tried) {
                tried = true;
                accepted = sender_->SendCoefficient(1, 0, 0.25);
            }
        }
        bool tried = false;
        bool accepted = true;

    private:
        RealTimeSender*& sender_;
    };
    RealTimeSender* target = nullptr;
    EditorDuringTransfer editor(target);
    quorvex::testing::ProcessorLine usb(unit, TransportKind::Usb);
    TransferProtocol usbProtocol(usb, window, editor);
    RealTimeSender usbSender(usbProtocol, loop);
    target = &usbSender;

    ASSERT_TRUE(usbProtocol.Send({DeviceCommand::ChangeMemory, 22, {}, false}).Ok);

    EXPECT_TRUE(editor.tried);
    EXPECT_FALSE(editor.accepted);
    EXPECT_EQ(usb.sent, (Bytes{0x85, 0x07, 22, 22, 0x00, 0x00, 0x55}));
}

} // namespace
} // namespace quorvex::test
