#pragma once

#include "ui/lit_button.h"

#include <QColor>

namespace quorvex {

/// A lamp with a caption beside it, clicked like a button. The caption takes the text
/// colours of the window it sits in (its palette's window text, enabled or disabled), so
/// it reads on the rack's dark panel and on a plain window alike.
class LedButton : public LitButton {
    Q_OBJECT

public:
    explicit LedButton(const QString& caption = QString(), QWidget* parent = nullptr);

    /// The lamp's colour when lit (green unless set); unlit it shows a dark shade of it.
    void SetLampColour(const QColor& colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor lampColour_;
    QColor unlitColour_;
};

} // namespace quorvex
