#pragma once

#include <QObject>

namespace quorvex {

class EditHistory;

/// Makes a whole mouse drag in any form window one step of the history: a press opens the
/// step, the release of the last button closes it, so every change a slider or plot drag
/// makes in between is undone at once. A click whose handler runs on release is a step of
/// its own, as the step is closed before the release reaches the control. Installed on the
/// application for its lifetime.
class DragSteps : public QObject {
public:
    explicit DragSteps(EditHistory& history, QObject* parent = nullptr);
    ~DragSteps() override;
    DragSteps(const DragSteps&) = delete;
    DragSteps& operator=(const DragSteps&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close();

    EditHistory& history_;
    bool open_ = false;
};

} // namespace quorvex
