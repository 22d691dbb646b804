#include "app/change_signal.h"

#include <algorithm>
#include <deque>

namespace quorvex {

namespace {

// The program has one thread; these hold the batch of the handlers running on it.
int handlerDepth = 0;
std::deque<ChangeSignal*> pendingSignals;
bool delivering = false;

} // namespace

ChangeSignal::~ChangeSignal() {
    // A model that goes away while marked must not be announced afterwards.
    std::erase(pendingSignals, this);
}

int ChangeSignal::Listen(Listener listener) {
    const int id = nextId_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void ChangeSignal::Forget(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ChangeSignal::Mark() {
    if (!pending_) {
        pending_ = true;
        pendingSignals.push_back(this);
    }
    if (handlerDepth == 0) {
        DeliverPendingChanges();
    }
}

void ChangeSignal::Announce() {
    ++announcements_;
    // A listener may add or remove listeners; the ones present now are told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) {
        if (listener) {
            listener();
        }
    }
}

HandlerScope::HandlerScope(ChangeSignal& signal) {
    ++handlerDepth;
    signal.Mark();
}

HandlerScope::~HandlerScope() {
    if (--handlerDepth == 0) {
        DeliverPendingChanges();
    }
}

void DeliverPendingChanges() {
    // A listener that runs a handler marks again; those marks are delivered by this same
    // loop rather than by a nested one, so the order stays first-marked first.
    if (delivering) {
        return;
    }
    delivering = true;
    while (!pendingSignals.empty()) {
        ChangeSignal* signal = pendingSignals.front();
        pendingSignals.pop_front();
        signal->pending_ = false;
        signal->Announce();
    }
    delivering = false;
}

} // namespace quorvex
