#include "ui/form_window.h"

#include "app/change_signal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace quorvex {
namespace {

// A window model as small as they come: a flag, a close handler and its signal.
struct FlagModel {
    ChangeSignal Changed;
    bool Visible = false;
    bool RefuseClose = false;
    int CloseRequests = 0;

    void Show() {
        HandlerScope scope(Changed);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(Changed);
        ++CloseRequests;
        Visible = RefuseClose;
    }
};

class FlagWindow : public FormWindow {
public:
    FlagWindow(FlagModel& model, QWidget* owner, Modality modality = Modality::Modeless)
        : FormWindow(model.Changed, owner, modality), model_(model) {
        Refresh();
    }
    void Refresh() override {
        ++Refreshes;
        ApplyVisible(model_.Visible);
    }
    int Refreshes = 0;

protected:
    void CloseRequested() override { model_.Close(); }

private:
    FlagModel& model_;
};

TEST(FormWindow, RefreshesOnceForEveryAnnouncementOfItsModel) {
    FlagModel model;
    FlagWindow window(model, nullptr);
    const int initial = window.Refreshes;
    {
        HandlerScope outer(model.Changed);
        model.Show();
        model.Show();
        EXPECT_EQ(window.Refreshes, initial) << "no refresh before the outermost handler ends";
    }
    EXPECT_EQ(window.Refreshes, initial + 1);
    EXPECT_TRUE(window.isVisible());
}

TEST(FormWindow, FollowsTheModelsVisibleFlag) {
    FlagModel model;
    FlagWindow window(model, nullptr);
    EXPECT_FALSE(window.isVisible());
    model.Show();
    EXPECT_TRUE(window.isVisible());
    model.Close();
    EXPECT_FALSE(window.isVisible());
}

TEST(FormWindow, TitleBarCloseAsksTheModelAndTheModelDecides) {
    FlagModel model;
    FlagWindow window(model, nullptr);
    model.Show();

    model.RefuseClose = true;
    EXPECT_FALSE(window.close()) << "the close event is left to the model";
    EXPECT_EQ(model.CloseRequests, 1);
    EXPECT_TRUE(window.isVisible());

    model.RefuseClose = false;
    window.close();
    EXPECT_EQ(model.CloseRequests, 2);
    EXPECT_FALSE(window.isVisible());
}

TEST(FormWindow, ForgetsItsListenerWhenDestroyed) {
    FlagModel first;
    FlagModel second;
    std::optional<FlagWindow> window;
    window.emplace(first, nullptr);
    window.reset();
    // A new window in the same storage: a listener left behind by the first one would now
    // refresh it when the first model announces.
    window.emplace(second, nullptr);
    const int refreshes = window->Refreshes;
    first.Show();
    EXPECT_EQ(window->Refreshes, refreshes);
    second.Show();
    EXPECT_EQ(window->Refreshes, refreshes + 1);
}

// A form with a field that runs a handler of the form's own when it is left.
class FieldWindow : public FlagWindow {
public:
    FieldWindow(FlagModel& model, int& handled) : FlagWindow(model, nullptr), handled_(handled) {
        field = new QLineEdit(this);
        (new QVBoxLayout(this))->addWidget(field);
        connect(field, &QLineEdit::editingFinished, this, [this] { ++handled_; });
    }
    QLineEdit* field = nullptr;

private:
    int& handled_;
};

TEST(FormWindow, AFieldLeftWhileTheWindowIsDestroyedRunsNoHandler) {
    FlagModel model;
    int handled = 0;
    auto window = std::make_unique<FieldWindow>(model, handled);
    model.Show();
    QApplication::setActiveWindow(window.get());
    window->field->setFocus();
    QTest::keyClicks(window->field, "12");
    ASSERT_TRUE(window->field->hasFocus());
    window.reset();
    EXPECT_EQ(handled, 0);
}

TEST(FormWindow, IsAWindowOfItsOwnAboveItsOwner) {
    FlagModel model;
    QWidget owner;
    FlagWindow window(model, &owner);
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.parentWidget(), &owner);
    EXPECT_FALSE(window.windowFlags() & Qt::FramelessWindowHint);
}

TEST(FormWindow, ModalFormsBlockTheRestOfTheProgramWithoutALoopOfTheirOwn) {
    FlagModel model;
    FlagWindow window(model, nullptr, Modality::Modal);
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    // Showing returns at once: the answer comes later through the model's handlers.
    model.Show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isModal());
    model.Close();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quorvex
