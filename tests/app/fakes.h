#pragma once

// Stand-ins for the program's effects on the person and on the processor, shared by the
// app tests: every box, dialog, progress step, message pump and real-time send is
// recorded, and questions are answered from a script.

#include "app/dialogs.h"
#include "app/program.h"
#include "app/progress.h"
#include "link/message_loop.h"
#include "link/real_time_sink.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvex::testing {

/// One trace of what happened, shared by the fakes so that tests can check the order of
/// progress texts, message pumps and sends.
using EventLog = std::vector<std::string>;

struct ShownMessage {
    MessageKind Kind;
    MessageButtons Buttons;
    std::string Text;
};

/// Answers message boxes and file dialogs from queues. With an empty queue a box is
/// closed (its Cancel, or No, or OK) and a file dialog is cancelled.
class ScriptedDialogs : public Dialogs {
public:
    std::deque<MessageAnswer> Answers;
    std::deque<std::optional<std::string>> OpenAnswers;
    std::deque<std::optional<std::string>> SaveAnswers;

    std::vector<ShownMessage> Messages;
    std::vector<FileDialogRequest> OpenRequests;
    std::vector<FileDialogRequest> SaveRequests;
    int Beeps = 0;
    std::vector<bool> WaitCursor;
    EventLog* Log = nullptr;

    MessageAnswer ShowMessage(MessageKind kind, MessageButtons buttons,
                              std::string_view text) override {
        Messages.push_back({kind, buttons, std::string(text)});
        Record("message:" + std::string(text));
        if (!Answers.empty()) {
            const MessageAnswer answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
        }
    }
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override {
        OpenRequests.push_back(request);
        Record("open dialog");
        return Take(OpenAnswers);
    }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override {
        SaveRequests.push_back(request);
        Record("save dialog");
        return Take(SaveAnswers);
    }
    void Beep() override {
        ++Beeps;
        Record("beep");
    }
    void SetWaitCursor(bool waiting) override { WaitCursor.push_back(waiting); }

    /// Texts of every box shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& message : Messages) {
            texts.push_back(message.Text);
        }
        return texts;
    }

private:
    void Record(const std::string& event) {
        if (Log != nullptr) {
            Log->push_back(event);
        }
    }
    static std::optional<std::string> Take(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

/// Records the progress window: its lines, steps and per cents, and whether it is open.
class RecordingProgress : public Progress {
public:
    bool Visible = false;
    std::vector<std::string> FirstLines;
    std::vector<std::string> StepTexts;
    std::vector<int> Percents;
    int Closes = 0;
    EventLog* Log = nullptr;

    void Show() override {
        Visible = true;
        Record("progress show");
    }
    void SetFirstLine(std::string_view text) override {
        FirstLines.emplace_back(text);
        Record("first line:" + std::string(text));
    }
    void SetStepText(std::string_view text) override {
        StepTexts.emplace_back(text);
        Record("step:" + std::string(text));
    }
    void SetPercent(int percent) override {
        Percents.push_back(percent);
        Record("percent:" + std::to_string(percent));
    }
    void SetBarVisible(bool visible) override { Record(visible ? "bar shown" : "bar hidden"); }
    void Close() override {
        Visible = false;
        ++Closes;
        Record("progress close");
    }

private:
    void Record(const std::string& event) {
        if (Log != nullptr) {
            Log->push_back(event);
        }
    }
};

/// Counts how often pending messages were let run, and how many times in all.
class CountingPump : public MessageLoop {
public:
    std::vector<int> Runs; ///< the argument of every call
    EventLog* Log = nullptr;
    /// Runs on every call, as a message handled while the program waits would.
    std::function<void(int)> OnRun;

    void Run(int times) override {
        Runs.push_back(times);
        if (OnRun) {
            OnRun(times);
        }
        if (Log != nullptr) {
            Log->push_back("pump:" + std::to_string(times));
        }
    }
    int Calls() const { return static_cast<int>(Runs.size()); }
    int CallsOf(int times) const {
        int count = 0;
        for (const int run : Runs) {
            count += run == times ? 1 : 0;
        }
        return count;
    }
};

/// One real-time message as the sink received it.
struct SentMessage {
    enum class Kind { Coefficient, Integer, Section };
    Kind What;
    int Dsp;
    int Address;
    double Value = 0.0;                        ///< Coefficient
    int IntegerValue = 0;                      ///< Integer
    std::array<long double, 5> Coefficients{}; ///< Section
};

/// Records every real-time send; `Fails` makes every send report failure (the link stays).
class RecordingSink : public RealTimeSink {
public:
    std::vector<SentMessage> Sent;
    bool Fails = false;
    EventLog* Log = nullptr;

    const TransferResult& LastResult() const override { return last_; }

    bool SendCoefficient(int dsp, int address, double value) override {
        Sent.push_back({SentMessage::Kind::Coefficient, dsp, address, value, 0, {}});
        Record("send coefficient", dsp, address);
        return !Fails;
    }
    bool SendInteger(int dsp, int address, int value) override {
        Sent.push_back({SentMessage::Kind::Integer, dsp, address, 0.0, value, {}});
        Record("send integer", dsp, address);
        return !Fails;
    }
    bool SendSection(int dsp, int address,
                     const std::array<long double, 5>& coefficients) override {
        Sent.push_back({SentMessage::Kind::Section, dsp, address, 0.0, 0, coefficients});
        Record("send section", dsp, address);
        return !Fails;
    }

private:
    void Record(const std::string& what, int dsp, int address) {
        last_ = {};
        last_.Ok = !Fails;
        if (Log != nullptr) {
            Log->push_back(what + ":" + std::to_string(dsp) + ":" + std::to_string(address));
        }
    }

    TransferResult last_;
};

/// The four fakes wired to one event log.
struct Fakes {
    EventLog Log;
    ScriptedDialogs Dialogs;
    RecordingProgress Progress;
    CountingPump Pump;
    RecordingSink Sink;

    Fakes() {
        Dialogs.Log = &Log;
        Progress.Log = &Log;
        Pump.Log = &Log;
        Sink.Log = &Log;
    }
    Fakes(const Fakes&) = delete;
    Fakes& operator=(const Fakes&) = delete;
};

/// The whole program over the fakes, as it stands after start-up.
struct ProgramHarness : Fakes {
    Program App{Dialogs, Progress, Pump};

    Document& Doc() { return App.Doc(); }
    ProcessorConnection& Processor() { return App.Processor(); }
    Configuration& Config() { return App.Doc().Config; }

    /// Connected over USB with real-time mode on and the sink recording.
    void GoRealTime() {
        App.Processor().Sink = &Sink;
        App.Processor().Link = LinkKind::Usb;
        App.Processor().Connected = true;
        App.Processor().RealTime = true;
    }
    /// Forgets everything recorded so far.
    void ClearRecords() {
        Log.clear();
        Sink.Sent.clear();
        Dialogs.Messages.clear();
        Pump.Runs.clear();
    }
};

} // namespace quorvex::testing
