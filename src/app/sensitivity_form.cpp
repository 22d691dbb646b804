#include "app/sensitivity_form.h"

#include "app/document.h"
#include "app/field_format.h"
#include "config/rounding.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr double MillivoltsPerVolt = 1000.0;

} // namespace

TSensitivityForm::TSensitivityForm(Document& doc) : doc_(doc) {
    doc_.MicrophoneSensitivity = DefaultMillivolts / MillivoltsPerVolt;
    ShowSensitivity();
}

void TSensitivityForm::SensitivityExit() {
    HandlerScope scope(changed_);
    const auto typed = ParseFieldValue(SensitivityText);
    if (typed && std::isfinite(*typed)) {
        const int millivolts =
            std::clamp<int>(RoundHalfEven(*typed), MinimumMillivolts, MaximumMillivolts);
        doc_.MicrophoneSensitivity = millivolts / MillivoltsPerVolt;
    }
    ShowSensitivity();
}

void TSensitivityForm::OKButtonClick() {
    HandlerScope scope(changed_);
    SensitivityExit();
    Close();
}

void TSensitivityForm::ShowSensitivity() {
    const double millivolts = doc_.MicrophoneSensitivity * MillivoltsPerVolt;
    SensitivityText = std::to_string(static_cast<long>(std::lround(millivolts)));
}

} // namespace quorvex
