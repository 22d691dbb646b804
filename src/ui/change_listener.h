#pragma once

#include <functional>

namespace quorvex {

class ChangeSignal;

/// Listens to a change signal for as long as it lives: a window that follows another
/// window's model holds one, and stops listening when it is destroyed.
class ChangeListener {
public:
    ChangeListener(ChangeSignal& changed, std::function<void()> listener);
    ~ChangeListener();
    ChangeListener(const ChangeListener&) = delete;
    ChangeListener& operator=(const ChangeListener&) = delete;

private:
    ChangeSignal& changed_;
    int id_;
};

} // namespace quorvex
