#include "ui/qt_progress.h"

#include "ui/qt_text.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace quorvex {

QtProgress::~QtProgress() {
    delete window_.data();
}

QWidget* QtProgress::CreateWindow(QWidget* owner) {
    auto* window = new QWidget(owner, Qt::Window);
    window->setObjectName("ProgressForm");
    window->setWindowTitle("Quorvex");
    auto* layout = new QVBoxLayout(window);
    firstLine_ = new QLabel(window);
    firstLine_->setObjectName("FirstLine");
    stepText_ = new QLabel(window);
    stepText_->setObjectName("StepText");
    bar_ = new QProgressBar(window);
    bar_->setObjectName("ProgressBar");
    bar_->setRange(0, 100);
    // Room for the longest texts the operations set (a file name after "Opening ").
    window->setMinimumWidth(window->fontMetrics().averageCharWidth() * 60);
    layout->addWidget(firstLine_);
    layout->addWidget(stepText_);
    layout->addWidget(bar_);
    window_ = window;
    Apply();
    return window;
}

QWidget* QtProgress::Window() const {
    return window_.data();
}

void QtProgress::Show() {
    shown_ = true;
    Apply();
    if (window_ != nullptr) {
        window_->raise();
    }
}

void QtProgress::SetFirstLine(std::string_view text) {
    firstLineText_ = ToQString(text);
    Apply();
}

void QtProgress::SetStepText(std::string_view text) {
    stepTextText_ = ToQString(text);
    Apply();
}

void QtProgress::SetPercent(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    Apply();
}

void QtProgress::SetBarVisible(bool visible) {
    barVisible_ = visible;
    Apply();
}

void QtProgress::Close() {
    shown_ = false;
    Apply();
}

void QtProgress::Apply() {
    if (window_ == nullptr) {
        return;
    }
    firstLine_->setText(firstLineText_);
    stepText_->setText(stepTextText_);
    bar_->setValue(percent_);
    bar_->setVisible(barVisible_);
    if (shown_ != window_->isVisible()) {
        window_->setVisible(shown_);
    }
}

} // namespace quorvex
