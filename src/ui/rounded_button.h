#pragma once

#include "ui/lit_button.h"

namespace quorvex {

/// A push button drawn as a rounded rack key; its owner may light it (the selected
/// output's key).
class RoundedButton : public LitButton {
    Q_OBJECT

public:
    explicit RoundedButton(const QString& caption = QString(), QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvex
