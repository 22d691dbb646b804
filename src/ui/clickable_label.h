#pragma once

#include <QLabel>

namespace quorvex {

/// A label that reports a left click, for the controls the system draws as plain text
/// (the "PROGRAM" label counts clicks).
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quorvex
