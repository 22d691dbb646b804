#pragma once

#include "ui/model_window.h"

#include <QEvent>

namespace quorvex {

/// A model window that tells its model each time it becomes the active window (the model's
/// `Activate()`), for the windows whose model acts on being brought to the front.
template <class Model> class ActivatedWindow : public ModelWindow<Model> {
public:
    using ModelWindow<Model>::ModelWindow;

protected:
    void changeEvent(QEvent* event) override {
        ModelWindow<Model>::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && this->isActiveWindow()) {
            this->model_.Activate();
        }
    }
};

} // namespace quorvex
