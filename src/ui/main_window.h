#pragma once

#include "app/main_form.h"
#include "config/dimensions.h"
#include "ui/activated_window.h"

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStatusBar;

namespace quorvex {

class LedButton;
class Program;
class TAboutForm;

/// The main window: the two inputs, the six outputs with their route switches, names and
/// chain buttons, the memory selector, and the file, device and mode buttons.
class MainWindow : public ActivatedWindow<TMainForm> {
    Q_OBJECT

public:
    /// `about` is the About window's model (the About button shows it); `endProgram` runs
    /// when the closing question lets the program end.
    MainWindow(Program& program, TAboutForm& about, QWidget* owner,
               std::function<void()> endProgram);

    void Refresh() override;

protected:
    void CloseRequested() override;
    bool event(QEvent* event) override;

private:
    struct OutputRow {
        QPushButton* Route = nullptr;
        QLineEdit* Name = nullptr;
        QLabel* Mute = nullptr;
        QLabel* MuteMark = nullptr;
        QLabel* Delay = nullptr;
    };

    QWidget* BuildButtons();
    QWidget* BuildInputs();
    QWidget* BuildOutputs();
    QWidget* BuildMemoryAndStatus();
    QPushButton* AddButton(const char* name, const QString& caption, std::function<void()> click);
    void ApplyHints();

    Program& program_;
    std::function<void()> endProgram_;

    std::vector<QWidget*> deviceControls_;
    LedButton* realTime_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QLabel* verifyText_ = nullptr;
    std::array<QLineEdit*, InputCount> inputNames_{};
    std::array<OutputRow, OutputCount> outputs_{};
    QLineEdit* systemName_ = nullptr;
    QSpinBox* memory_ = nullptr;
    QLabel* info_ = nullptr;
    QPushButton* copyAllMem_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

} // namespace quorvex
