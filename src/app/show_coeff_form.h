#pragma once

#include "app/change_signal.h"

#include <array>
#include <string>

namespace quorvex {

class TPEQForm;
struct TSOS;

/// "Show Filter Coefficients": the five coefficients of the band being edited.
class TShowCoeffForm {
public:
    TShowCoeffForm();

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    std::string b0Edit;
    std::string b1Edit;
    std::string b2Edit;
    std::string a1Edit;
    std::string a2Edit;

    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }

    /// The section's b0, b1, b2, a1, a2 into the five fields, also while hidden.
    void Update(const TSOS& section);
    /// Shows the equaliser's band designed last, now and after each band it designs.
    void Follow(TPEQForm& equaliser);

private:
    ChangeSignal changed_;
};

} // namespace quorvex
