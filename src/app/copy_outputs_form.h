#pragma once

#include "app/change_signal.h"

#include <string>

namespace quorvex {

class Program;

/// The "Copy outputs" window: chosen groups of one output's settings copied to another
/// output of the same kind (main outputs 1..4, or the subs 5 and 6).
class TCopyOutputsForm {
public:
    explicit TCopyOutputsForm(Program& program);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    bool OutRB = true;  ///< "Output"
    bool SubRB = false; ///< "Sub"
    int OrigenSpin = 1; ///< "Copy"
    int CopiaSpin = 1;  ///< "to"
    bool XoverCheck = false;
    bool PEQXCheck = false;
    bool OutDelayCheck = false;
    bool OutGainCheck = false;
    bool NamesCheck = false;
    bool DynamicCheck = false;
    bool RouteCheck = false; ///< hidden; only "Copy All" sets it
    bool CopyAll = false;

    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }

    void OutRBClick();
    void SubRBClick();
    /// The two number fields, kept inside the selected group's range.
    void SetOrigen(int output);
    void SetCopia(int output);
    /// One of the copy boxes (`XoverCheck` .. `DynamicCheck`) checked or unchecked.
    void CheckClick(bool TCopyOutputsForm::*box, bool checked);
    void CopyAllClick(bool checked);
    /// "Ok": the copy, then the window closes.
    void OK_BitBtnClick();

    /// Copies the checked groups from output `source` to output `target`.
    void CopyOutput(int source, int target);

    static std::string QuestionText(int source, int target);

    /// The range of both number fields: 1..4 with "Output", 5..6 with "Sub".
    int Lowest() const { return SubRB ? 5 : 1; }
    int Highest() const { return SubRB ? 6 : 4; }

private:
    void CopyRoute(int source, int target);
    void CopyCrossover(int source, int target);
    void CopyEqualiser(int source, int target);
    void CopyDelay(int source, int target);
    void CopyGain(int source, int target);
    void CopyName(int source, int target);
    void CopyDynamics(int source, int target);

    Program& program_;
    ChangeSignal changed_;
};

} // namespace quorvex
