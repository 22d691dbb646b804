#pragma once

#include "ui/form_window.h"

#include <QLabel>
#include <QString>
#include <QVBoxLayout>

namespace quorvex {

/// A window whose editor is not built yet: it says so and follows its model's `Visible`
/// flag, and its close icon runs the model's `Close`.
template <class Model> class PlaceholderWindow : public FormWindow {
public:
    PlaceholderWindow(Model& model, QWidget* owner, const QString& title, Modality modality)
        : FormWindow(model.Changed(), owner, modality), model_(model) {
        setWindowTitle(title);
        auto* layout = new QVBoxLayout(this);
        auto* label = new QLabel(title + ": this editor comes in a later version.", this);
        label->setObjectName("PlaceholderLabel");
        label->setWordWrap(true);
        layout->addWidget(label);
        Refresh();
    }

    void Refresh() override { ApplyVisible(model_.Visible); }

protected:
    void CloseRequested() override { model_.Close(); }

private:
    Model& model_;
};

} // namespace quorvex
