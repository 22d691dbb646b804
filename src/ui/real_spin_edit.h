#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace quorvex {

/// A field for a real number with up and down buttons. It shows the text its owner gives,
/// unchanged, and reports what the person does; the owner formats and range-checks every
/// value. Enter and leaving an edited field report the text (leaving only when it was
/// edited after the last Enter); the buttons and the Up and Down keys report a step.
class RealSpinEdit : public QWidget {
    Q_OBJECT

public:
    explicit RealSpinEdit(QWidget* parent = nullptr);

    /// Shows `text` exactly; emits nothing.
    void SetText(const QString& text);
    QString Text() const;
    /// The field inside, for its object name, tool tip or validator.
    QLineEdit* Field() const { return field_; }

    QSize sizeHint() const override;

signals:
    void EnterPressed(const QString& text);
    /// The field lost the focus after the person edited it.
    void EditingLeft(const QString& text);
    void StepUp();
    void StepDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace quorvex
