#pragma once

#include "link/d2xx.h"
#include "sim/virtual_processor.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace quorvex::test {

/// A D2XX backend for tests. Calls succeed unless a status was scripted for them by name
/// ("FT_Open", "FT_Write", ...); every call is logged. The far end is either a
/// VirtualProcessor (bytes written reach it at the next read) or a queue of scripted reply
/// bytes. A read with nothing to deliver returns 0 bytes, as a read that timed out does.
class ScriptedD2xx : public D2xx {
public:
    explicit ScriptedD2xx(VirtualProcessor* unit = nullptr) : unit_(unit) {}

    std::map<std::string, FT_STATUS> failures;
    std::vector<std::string> calls;
    std::deque<std::uint8_t> replies;
    std::vector<std::uint8_t> written;
    bool open = false;

    FT_STATUS FT_Open(int deviceIndex, FT_HANDLE* handle) override {
        const FT_STATUS status = Call("FT_Open");
        if (status == FT_OK) {
            openedIndex = deviceIndex;
            *handle = this;
            open = true;
        }
        return status;
    }
    FT_STATUS FT_Close(FT_HANDLE handle) override {
        Deliver();
        open = false;
        return Checked(handle, "FT_Close");
    }
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, unsigned long rate) override {
        baudRate = rate;
        return Checked(handle, "FT_SetBaudRate");
    }
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, std::uint8_t bits, std::uint8_t stop,
                                        std::uint8_t parity) override {
        dataCharacteristics = {bits, stop, parity};
        return Checked(handle, "FT_SetDataCharacteristics");
    }
    FT_STATUS FT_SetFlowControl(FT_HANDLE handle, std::uint16_t flow, std::uint8_t xon,
                                std::uint8_t xoff) override {
        flowControl = {static_cast<std::uint8_t>(flow), xon, xoff};
        return Checked(handle, "FT_SetFlowControl");
    }
    FT_STATUS FT_SetRts(FT_HANDLE handle) override { return Checked(handle, "FT_SetRts"); }
    FT_STATUS FT_SetDtr(FT_HANDLE handle) override { return Checked(handle, "FT_SetDtr"); }
    FT_STATUS FT_SetChars(FT_HANDLE handle, std::uint8_t, std::uint8_t, std::uint8_t,
                          std::uint8_t) override {
        return Checked(handle, "FT_SetChars");
    }
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, unsigned long read, unsigned long write) override {
        timeouts = {read, write};
        return Checked(handle, "FT_SetTimeouts");
    }
    FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, unsigned long count,
                      unsigned long* returned) override {
        Deliver();
        const FT_STATUS status = Checked(handle, "FT_Read");
        *returned = 0;
        if (status != FT_OK) {
            return status;
        }
        auto* bytes = static_cast<std::uint8_t*>(buffer);
        while (*returned < count && !replies.empty()) {
            bytes[(*returned)++] = replies.front();
            replies.pop_front();
        }
        if (*returned == 0 && unit_ != nullptr) {
            unit_->Elapse(std::chrono::milliseconds(1000));
        }
        return FT_OK;
    }
    FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, unsigned long count,
                       unsigned long* done) override {
        const FT_STATUS status = Checked(handle, "FT_Write");
        *done = 0;
        if (status != FT_OK) {
            return status;
        }
        const auto* bytes = static_cast<const std::uint8_t*>(buffer);
        pending_.insert(pending_.end(), bytes, bytes + count);
        written.insert(written.end(), bytes, bytes + count);
        *done = count;
        return FT_OK;
    }

    int openedIndex = -1;
    unsigned long baudRate = 0;
    std::vector<std::uint8_t> dataCharacteristics;
    std::vector<std::uint8_t> flowControl;
    std::pair<unsigned long, unsigned long> timeouts{};

private:
    FT_STATUS Call(const std::string& name) {
        calls.push_back(name);
        const auto failure = failures.find(name);
        return failure == failures.end() ? FT_OK : failure->second;
    }
    FT_STATUS Checked(FT_HANDLE handle, const std::string& name) {
        return handle == this ? Call(name) : FT_INVALID_HANDLE;
    }
    void Deliver() {
        if (unit_ == nullptr || pending_.empty()) {
            pending_.clear();
            return;
        }
        const std::vector<std::uint8_t> answer = unit_->Receive(pending_);
        pending_.clear();
        replies.insert(replies.end(), answer.begin(), answer.end());
    }

    VirtualProcessor* unit_;
    std::vector<std::uint8_t> pending_;
};

} // namespace quorvex::test
