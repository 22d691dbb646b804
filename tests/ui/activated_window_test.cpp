#include "ui/activated_window.h"

#include "app/change_signal.h"

#include <QTest>

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// A model that counts how often its window came to the front.
struct FrontModel {
    ChangeSignal Changed;
    bool Visible = true;
    int Activations = 0;
    int Closes = 0;

    void Activate() { ++Activations; }
    void Close() {
        HandlerScope scope(Changed);
        ++Closes;
        Visible = false;
    }
};

class FrontWindow : public ActivatedWindow<FrontModel> {
public:
    explicit FrontWindow(FrontModel& model) : ActivatedWindow(model, model.Changed, nullptr) {
        Refresh();
    }
    void Refresh() override { ApplyVisible(model_.Visible); }
};

TEST(ActivatedWindow, TellsItsModelEachTimeItBecomesTheActiveWindow) {
    FrontModel model;
    FrontWindow window(model);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const int first = model.Activations;
    EXPECT_GE(first, 1);

    // Another window in front and this one back again: one more activation.
    FrontModel otherModel;
    FrontWindow other(otherModel);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(model.Activations, first + 1);
}

TEST(ActivatedWindow, ClosingByTheTitleBarIsTheModelsClose) {
    FrontModel model;
    FrontWindow window(model);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.close();
    EXPECT_EQ(model.Closes, 1);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quorvex
