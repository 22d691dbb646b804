#include "ui/change_listener.h"

#include "app/change_signal.h"

#include <utility>

namespace quorvex {

ChangeListener::ChangeListener(ChangeSignal& changed, std::function<void()> listener)
    : changed_(changed), id_(changed.Listen(std::move(listener))) {}

ChangeListener::~ChangeListener() {
    changed_.Forget(id_);
}

} // namespace quorvex
