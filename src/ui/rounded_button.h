#pragma once

#include <QAbstractButton>

namespace quorvex {

/// A push button drawn as a rounded rack key. Its owner may light it (the selected output's
/// key); a click only emits clicked().
class RoundedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit RoundedButton(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetLit(bool lit);
    bool IsLit() const { return lit_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lit_ = false;
};

} // namespace quorvex
