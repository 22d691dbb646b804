#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace quorvex {

/// The announcement that a window model changed, so that the window showing it refreshes.
/// A model marks itself changed in each public handler (through `HandlerScope`); the marks
/// are announced once the outermost handler returns, each model once, in the order the
/// models were first marked. A transfer's message-loop passes deliver what is pending
/// before they run (`DeliverPendingChanges`), so the windows follow a long operation.
/// Everything runs on the program's one thread.
class ChangeSignal {
public:
    using Listener = std::function<void()>;

    ChangeSignal() = default;
    ~ChangeSignal();
    ChangeSignal(const ChangeSignal&) = delete;
    ChangeSignal& operator=(const ChangeSignal&) = delete;

    /// Adds a listener; the number returned removes it again with `Forget`. Listeners only
    /// read the model: a listener that runs a handler starts a batch of its own.
    int Listen(Listener listener);
    void Forget(int id);

    /// Marks the model changed. Outside every handler the announcement is made at once.
    void Mark();

    /// How many announcements this signal has made (for tests and diagnostics).
    int AnnouncementCount() const { return announcements_; }

private:
    friend void DeliverPendingChanges();
    void Announce();

    std::vector<std::pair<int, Listener>> listeners_;
    int nextId_ = 1;
    int announcements_ = 0;
    bool pending_ = false;
};

/// One public handler of a model: marks the model changed and holds every announcement
/// until the outermost handler scope ends.
class HandlerScope {
public:
    explicit HandlerScope(ChangeSignal& signal);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

/// Announces every pending change now, also inside a handler: the message-loop passes of a
/// transfer call it so that the windows show the transfer's progress.
void DeliverPendingChanges();

} // namespace quorvex
