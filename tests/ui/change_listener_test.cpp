#include "ui/change_listener.h"

#include "app/change_signal.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorvex {
namespace {

TEST(ChangeListener, HearsEveryAnnouncementWhileItLivesAndNoneAfter) {
    ChangeSignal changed;
    int heard = 0;
    int other = 0;
    ChangeListener stays(changed, [&] { ++other; });
    {
        ChangeListener listener(changed, [&] { ++heard; });
        changed.Mark();
        changed.Mark();
        EXPECT_EQ(heard, 2);
    }
    changed.Mark();
    EXPECT_EQ(heard, 2);
    // Only its own listener is gone.
    EXPECT_EQ(other, 3);
}

TEST(ChangeListener, TwoListenersOfOneSignalLeaveInAnyOrder) {
    ChangeSignal changed;
    int first = 0;
    int second = 0;
    std::optional<ChangeListener> a(std::in_place, changed, [&] { ++first; });
    std::optional<ChangeListener> b(std::in_place, changed, [&] { ++second; });
    a.reset();
    changed.Mark();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    b.reset();
    changed.Mark();
    EXPECT_EQ(second, 1);
}

} // namespace
} // namespace quorvex
