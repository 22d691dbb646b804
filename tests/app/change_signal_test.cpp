#include "app/change_signal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

TEST(ChangeSignalTest, AHandlerAnnouncesOnceWhenItReturns) {
    ChangeSignal model;
    int heard = 0;
    model.Listen([&] { ++heard; });
    {
        HandlerScope handler(model);
        model.Mark();
        EXPECT_EQ(heard, 0) << "nothing is announced while the handler runs";
    }
    EXPECT_EQ(heard, 1);
}

TEST(ChangeSignalTest, NestedHandlersOfSeveralModelsAnnounceEachOnceInFirstMarkedOrder) {
    ChangeSignal first;
    ChangeSignal second;
    std::vector<std::string> heard;
    first.Listen([&] { heard.push_back("first"); });
    second.Listen([&] { heard.push_back("second"); });
    {
        HandlerScope outer(first);
        {
            HandlerScope inner(second);
            HandlerScope again(first);
        }
        EXPECT_TRUE(heard.empty());
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"first", "second"}));
}

TEST(ChangeSignalTest, PendingChangesAreDeliveredInsideAHandlerWhenAskedAndNotTwice) {
    ChangeSignal model;
    int heard = 0;
    model.Listen([&] { ++heard; });
    {
        HandlerScope handler(model);
        DeliverPendingChanges(); // a transfer's message-loop pass
        EXPECT_EQ(heard, 1);
    }
    EXPECT_EQ(heard, 1) << "nothing changed after the pass";
}

TEST(ChangeSignalTest, AListenerThatRunsAHandlerIsAnnouncedAfterTheOthers) {
    ChangeSignal source;
    ChangeSignal follower;
    std::vector<std::string> heard;
    source.Listen([&] {
        heard.push_back("source");
        HandlerScope followerHandler(follower);
    });
    follower.Listen([&] { heard.push_back("follower"); });
    { HandlerScope handler(source); }
    EXPECT_EQ(heard, (std::vector<std::string>{"source", "follower"}));
}

TEST(ChangeSignalTest, AForgottenListenerAndADestroyedModelAreNotTold) {
    int heard = 0;
    ChangeSignal kept;
    {
        HandlerScope handler(kept);
        {
            ChangeSignal gone;
            gone.Listen([&] { ++heard; });
            gone.Mark();
        } // ends while marked: its mark must be dropped, not announced
        const int id = kept.Listen([&] { ++heard; });
        kept.Forget(id);
    }
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(kept.AnnouncementCount(), 1);
}

} // namespace
} // namespace quorvex
