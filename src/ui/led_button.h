#pragma once

#include <QAbstractButton>

namespace quorvex {

/// A lamp with a caption beside it, clicked like a button. Its owner decides whether it is
/// lit: a click only emits clicked(), the lamp changes when SetLit says so.
class LedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit LedButton(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetLit(bool lit);
    bool IsLit() const { return lit_; }
    /// The lamp's colour when lit (green unless set).
    void SetLampColour(const QColor& colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lit_ = false;
    QColor lampColour_;
};

} // namespace quorvex
