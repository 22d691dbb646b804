#pragma once

#include <QAbstractButton>

namespace quorvex {

/// A rack button that its owner lights (a lamp, the selected output's key): a click only
/// emits clicked(); the light changes when SetLit says so, never by the click itself.
class LitButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit LitButton(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetLit(bool lit);
    bool IsLit() const { return lit_; }

    /// A rack button is never squeezed below what its caption needs.
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    bool lit_ = false;
};

} // namespace quorvex
