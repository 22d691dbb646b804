#pragma once

#include <QWidget>

class QPushButton;

namespace quorvex {

class EditHistory;

/// The main window's Undo and Redo buttons: each enabled while the history has a step to
/// take, its tool tip and status hint naming that step ("Undo: Out3 band 2 gain"). They
/// follow every change of the history, from whichever window the edit came.
class HistoryButtons : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* UndoCaption = "Undo";
    static constexpr const char* RedoCaption = "Redo";

    explicit HistoryButtons(EditHistory& history, QWidget* parent = nullptr);
    ~HistoryButtons() override;
    HistoryButtons(const HistoryButtons&) = delete;
    HistoryButtons& operator=(const HistoryButtons&) = delete;

    void Refresh();

private:
    EditHistory& history_;
    int listener_ = 0;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
};

} // namespace quorvex
