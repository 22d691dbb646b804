#pragma once

#include <algorithm>
#include <functional>
#include <utility>

namespace quorvex {

/// A slider of an editor: an integer position inside a range and the change handling the
/// window runs for it. Placing the slider always runs that handling, also when the position
/// does not change: the editors rely on it to bring a field and its stored value onto the
/// slider's resolution.
class TrackBar {
public:
    TrackBar(int minimum, int maximum, int position = 0)
        : minimum_(minimum), maximum_(maximum), position_(std::clamp(position, minimum, maximum)) {}

    /// The change handling; set once by the window that owns the slider.
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    /// Places the slider (kept inside its range) and runs the change handling.
    void SetPosition(int position) {
        position_ = std::clamp(position, minimum_, maximum_);
        if (onChange_) {
            onChange_();
        }
    }

    int Position() const { return position_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

private:
    int minimum_;
    int maximum_;
    int position_;
    std::function<void()> onChange_;
};

} // namespace quorvex
