#pragma once

#include <string_view>

namespace quorvex {

/// The progress window of long operations: a first line, a step text and a bar in per cent.
class Progress {
public:
    virtual ~Progress() = default;

    virtual void Show() = 0;
    virtual void SetFirstLine(std::string_view text) = 0;
    virtual void SetStepText(std::string_view text) = 0;
    virtual void SetPercent(int percent) = 0;
    virtual void SetBarVisible(bool visible) = 0;
    virtual void Close() = 0;
};

} // namespace quorvex
