#include "ui/history_buttons.h"

#include "app/edit_history.h"
#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace quorvex {

namespace {

// As the main window's other keys: room on either side of the caption.
void KeepCaptionRoom(QPushButton* key) {
    key->setMinimumWidth(key->fontMetrics().horizontalAdvance(key->text()) +
                         key->fontMetrics().height() * 2);
}

void ShowStep(QPushButton* button, bool possible, const std::string& step) {
    ShowEnabled(button, possible);
    button->setToolTip(ToQString(step));
    button->setStatusTip(ToQString(step));
}

} // namespace

HistoryButtons::HistoryButtons(EditHistory& history, QWidget* parent)
    : QWidget(parent), history_(history) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    undo_ = new QPushButton(UndoCaption, this);
    undo_->setObjectName("UndoButton");
    connect(undo_, &QPushButton::clicked, this, [this] { history_.Undo(); });
    row->addWidget(undo_);
    redo_ = new QPushButton(RedoCaption, this);
    redo_->setObjectName("RedoButton");
    connect(redo_, &QPushButton::clicked, this, [this] { history_.Redo(); });
    row->addWidget(redo_);
    KeepCaptionRoom(undo_);
    KeepCaptionRoom(redo_);
    listener_ = history_.Changed().Listen([this] { Refresh(); });
    Refresh();
}

HistoryButtons::~HistoryButtons() {
    history_.Changed().Forget(listener_);
}

void HistoryButtons::Refresh() {
    ShowStep(undo_, history_.CanUndo(), history_.UndoText());
    ShowStep(redo_, history_.CanRedo(), history_.RedoText());
}

} // namespace quorvex
