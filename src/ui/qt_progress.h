#pragma once

#include "app/progress.h"

#include <QPointer>
#include <QString>

class QLabel;
class QProgressBar;
class QWidget;

namespace quorvex {

/// The progress window of long operations: the first line (`FirstLine`), the step text
/// (`StepText`) and the bar in per cent (`ProgressBar`). The program's models report to it
/// from their first moment, before the window exists (it is created in its place of the
/// start-up order): what they report is kept and shown once the window is there.
class QtProgress : public Progress {
public:
    QtProgress() = default;
    ~QtProgress() override;
    QtProgress(const QtProgress&) = delete;
    QtProgress& operator=(const QtProgress&) = delete;

    /// Creates the window, owned by `owner`'s window. Called once.
    QWidget* CreateWindow(QWidget* owner);
    QWidget* Window() const;

    void Show() override;
    void SetFirstLine(std::string_view text) override;
    void SetStepText(std::string_view text) override;
    void SetPercent(int percent) override;
    void SetBarVisible(bool visible) override;
    void Close() override;

private:
    void Apply();

    QPointer<QWidget> window_;
    QLabel* firstLine_ = nullptr;
    QLabel* stepText_ = nullptr;
    QProgressBar* bar_ = nullptr;

    bool shown_ = false;
    QString firstLineText_;
    QString stepTextText_;
    int percent_ = 0;
    bool barVisible_ = true;
};

} // namespace quorvex
