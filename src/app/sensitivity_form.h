#pragma once

#include "app/change_signal.h"

#include <string>
#include <string_view>

namespace quorvex {

struct Document;

/// The "Input Sensitivity" window: the sensitivity of the measuring microphone that the
/// dBu export needs, shown in mV/Pa and kept in the document in V/Pa.
class TSensitivityForm {
public:
    static constexpr std::string_view Caption = "Input Sensitivity";
    static constexpr std::string_view FieldLabel = "Microphone Sensitivity";
    static constexpr std::string_view UnitLabel = "mV / Pa";
    static constexpr int MinimumMillivolts = 1;
    static constexpr int MaximumMillivolts = 999;
    static constexpr int DefaultMillivolts = 20;

    explicit TSensitivityForm(Document& doc);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    /// The field: whole mV/Pa, at most three digits.
    std::string SensitivityText;

    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Typing in the field; kept as typed until it is left or OK is pressed.
    void SensitivityChange(std::string_view text) {
        HandlerScope scope(changed_);
        SensitivityText = text;
    }
    /// Leaving the field: its number, rounded to whole mV/Pa and kept inside 1 .. 999,
    /// becomes the sensitivity; a text that is no number puts the field back.
    void SensitivityExit();
    /// OK: as leaving the field, then the window closes.
    void OKButtonClick();

private:
    void ShowSensitivity();

    Document& doc_;
    ChangeSignal changed_;
};

} // namespace quorvex
