#pragma once

#include "ui/form_window.h"

namespace quorvex {

/// A form over one window model whose close icon is the model's own `Close()`: the model
/// clears its `Visible` flag, and the refresh that follows hides the window.
template <class Model> class ModelWindow : public FormWindow {
public:
    /// Refreshes whenever `changed` announces (the model's own signal, or the one of the
    /// window model it belongs to).
    ModelWindow(Model& model, ChangeSignal& changed, QWidget* owner,
                Modality modality = Modality::Modeless)
        : FormWindow(changed, owner, modality), model_(model) {}

protected:
    void CloseRequested() override { model_.Close(); }

    Model& model_;
};

} // namespace quorvex
