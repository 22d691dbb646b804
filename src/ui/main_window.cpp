#include "ui/main_window.h"

#include "app/about_form.h"
#include "app/main_form.h"
#include "app/main_form_hints.h"
#include "app/program.h"
#include "sheet/print_sheet.h"
#include "ui/clickable_label.h"
#include "ui/history_buttons.h"
#include "ui/led_button.h"
#include "ui/qt_text.h"
#include "ui/rack_palette.h"
#include "ui/rack_window_palette.h"
#include "ui/real_time_lamp.h"
#include "ui/widget_values.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace quorvex {

namespace {

constexpr int LastMemory = 60;

// The route button shows which input feeds the output, by route code.
const std::array<QString, 3> RoutePictures{"A", "A+B", "B"};

QString RoutePicture(int code) {
    return code >= 0 && code < static_cast<int>(RoutePictures.size())
               ? RoutePictures[static_cast<std::size_t>(code)]
               : QString("?");
}

const std::array<const char*, OutputCount> OutputNameFields{
    "Out1Edit", "Out2Edit", "Out3Edit", "Out4Edit", "OutSub1Edit", "OutSub2Edit"};

// The keys of one group share one width: the widest caption with room on either side, so
// no caption touches its key's edge whatever the font and the screen's scale.
void ShareCaptionWidth(const std::vector<QPushButton*>& keys) {
    int widest = 0;
    for (const QPushButton* key : keys) {
        widest = std::max(widest, key->fontMetrics().horizontalAdvance(key->text()));
    }
    for (QPushButton* key : keys) {
        key->setMinimumWidth(widest + key->fontMetrics().height() * 2);
    }
}

} // namespace

MainWindow::MainWindow(Program& program, TAboutForm& about, QWidget* owner,
                       std::function<void()> endProgram)
    : ActivatedWindow(program.Main(), program.Main().Changed(), owner), program_(program),
      endProgram_(std::move(endProgram)) {
    setObjectName("MainForm");
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildButtons());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildInputs());
    middle->addWidget(BuildOutputs(), 1);
    layout->addLayout(middle, 1);
    layout->addWidget(BuildMemoryAndStatus());
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar");
    statusBar_->setSizeGripEnabled(false);
    layout->addWidget(statusBar_);

    auto* aboutButton = findChild<QPushButton*>("AcercadeButton");
    connect(aboutButton, &QPushButton::clicked, this, [&about] { about.Show(); });
    ApplyHints();
    Refresh();
}

QPushButton* MainWindow::AddButton(const char* name, const QString& caption,
                                   std::function<void()> click) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    if (click) {
        connect(button, &QPushButton::clicked, this, [click = std::move(click)] { click(); });
    }
    return button;
}

QWidget* MainWindow::BuildButtons() {
    auto* panel = new QWidget(this);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);

    auto* logo = new QPushButton("QUORVEX", this);
    logo->setObjectName("LOGOImage");
    logo->setFlat(true);
    QFont logoFont = logo->font();
    logoFont.setBold(true);
    logoFont.setPointSizeF(logoFont.pointSizeF() * 1.6);
    logo->setFont(logoFont);
    connect(logo, &QPushButton::clicked, this, [this] { model_.LOGOImageClick(); });
    row->addWidget(logo);
    row->addSpacing(fontMetrics().averageCharWidth() * 2);

    std::vector<QPushButton*> files{
        AddButton("NewButton", "New", [this] { model_.NewButtonClick(); }),
        AddButton("OpenButton", "Open", [this] { model_.OpenButtonClick(); }),
        AddButton("SaveButton", "Save", [this] { model_.SaveButtonClick(); }),
        AddButton("ConnectButton", "Connect", [this] { model_.ConnectButtonClick(); })};
    for (QPushButton* button : files) {
        if (button == files.back()) {
            row->addSpacing(fontMetrics().averageCharWidth() * 2);
        }
        row->addWidget(button);
    }
    const std::array<std::pair<const char*, std::pair<QString, std::function<void()>>>, 7> device{{
        {"ReadButton", {"Read", [this] { model_.ReadButtonClick(); }}},
        {"WriteButton", {"Write", [this] { model_.WriteButtonClick(); }}},
        {"ChangeButton", {"Change", [this] { model_.ChangeButtonClick(); }}},
        {"BlockB", {"Block", [this] { model_.BlockBClick(); }}},
        {"UnblockB", {"Unblock", [this] { model_.UnblockBClick(); }}},
        {"PasswordB", {"Password", [this] { model_.PasswordBClick(); }}},
        {"UpdateDSP", {"Update DSP", [this] { model_.UpdateDSPClick(); }}},
    }};
    std::vector<QPushButton*> deviceKeys;
    for (const auto& [name, action] : device) {
        QPushButton* button = AddButton(name, action.first, action.second);
        deviceControls_.push_back(button);
        deviceKeys.push_back(button);
        row->addWidget(button);
    }
    row->addStretch(1);
    // The mode switches and the windows of the whole configuration, on a line of their own.
    row = new QHBoxLayout;
    rows->addLayout(row);
    realTime_ = MakeRealTimeLamp(this, [this] { model_.RealTimeBClick(); });
    row->addWidget(realTime_);
    verify_ = new QCheckBox("Verify after Write", this);
    verify_->setObjectName("VerifyAfterWrite");
    connect(verify_, &QCheckBox::clicked, this, [this] { model_.VerifyAfterWriteClick(); });
    row->addWidget(verify_);
    row->addWidget(new HistoryButtons(program_.History(), this));
    QPushButton* printSheet =
        AddButton("PrintSheetB", "Print sheet...", [this] { PrintSheetClick(program_); });
    ShareCaptionWidth({printSheet});
    row->addWidget(printSheet);
    row->addStretch(1);
    std::vector<QPushButton*> windows{
        AddButton("SystemInfoB", "System Info", [this] { model_.SystemInfoBClick(); }),
        AddButton("FinalResponseB", "Total Response", [this] { model_.FinalResponseBClick(); }),
        AddButton("CopyOutsB", "Copy", [this] { model_.CopyOutsBClick(); }),
        AddButton("AcercadeButton", "About", {})};
    for (QPushButton* button : windows) {
        row->addWidget(button);
    }
    ShareCaptionWidth(files);
    ShareCaptionWidth(deviceKeys);
    ShareCaptionWidth(windows);
    return panel;
}

QWidget* MainWindow::BuildInputs() {
    auto* box = new QGroupBox("INPUTS", this);
    box->setObjectName("InputsPanel");
    auto* column = new QVBoxLayout(box);
    const std::array<const char*, InputCount> names{"In1Edit", "In2Edit"};
    const std::array<QString, InputCount> letters{"A", "B"};
    for (int input = 1; input <= InputCount; ++input) {
        const auto index = static_cast<std::size_t>(input - 1);
        column->addWidget(new QLabel(letters[index], box));
        auto* field = new QLineEdit(box);
        field->setObjectName(names[index]);
        field->setMaxLength(ChannelNameCapacity);
        field->setMinimumWidth(fontMetrics().horizontalAdvance("MMMMMMM"));
        connect(field, &QLineEdit::textEdited, this, [this, input](const QString& text) {
            model_.InputNameChange(input, ToStdString(text));
        });
        column->addWidget(field);
        inputNames_[index] = field;
    }
    column->addStretch(1);
    return box;
}

QWidget* MainWindow::BuildOutputs() {
    auto* box = new QGroupBox("OUTPUTS", this);
    box->setObjectName("OutputsPanel");
    auto* grid = new QGridLayout(box);
    const QStringList headings{"Route", "Name", "", "", "", "", "", "", "", "Delay"};
    for (int column = 0; column < headings.size(); ++column) {
        grid->addWidget(new QLabel(headings[column], box), 0, column);
    }
    struct Chain {
        const char* Prefix;
        const char* Caption;
        void (TMainForm::*Click)(int);
    };
    const std::array<Chain, 5> chains{{
        {"Peq", "PEQ", &TMainForm::PeqBtnClick},
        {"Xover", "X-OVER", &TMainForm::XoverBtnClick},
        {"Gain", "GAIN", &TMainForm::GainBtnClick},
        {"Delay", "DELAY", &TMainForm::DelayBtnClick},
        {"Dynamic", "DYNAMIC", &TMainForm::DynamicBtnClick},
    }};
    std::vector<QPushButton*> chainKeys;
    for (int output = 1; output <= OutputCount; ++output) {
        OutputRow& row = outputs_[static_cast<std::size_t>(output - 1)];
        const int line = output;
        row.Route = AddButton(qPrintable(QString("Route%1B").arg(output)), QString(),
                              [this, output] { model_.RouteBClick(output); });
        row.Route->setMinimumWidth(fontMetrics().horizontalAdvance("A+B") * 2);
        grid->addWidget(row.Route, line, 0);
        row.Name = new QLineEdit(box);
        row.Name->setObjectName(OutputNameFields[static_cast<std::size_t>(output - 1)]);
        row.Name->setMaxLength(ChannelNameCapacity);
        row.Name->setMinimumWidth(fontMetrics().horizontalAdvance("MMMMMMM"));
        connect(row.Name, &QLineEdit::textEdited, this, [this, output](const QString& text) {
            model_.OutputNameChange(output, ToStdString(text));
        });
        grid->addWidget(row.Name, line, 1);
        for (std::size_t chain = 0; chain < chains.size(); ++chain) {
            const Chain& entry = chains[chain];
            const auto click = entry.Click;
            QPushButton* button =
                AddButton(qPrintable(QString("%1%2Btn").arg(entry.Prefix).arg(output)),
                          entry.Caption, [this, click, output] { (model_.*click)(output); });
            grid->addWidget(button, line, 2 + static_cast<int>(chain));
            chainKeys.push_back(button);
        }
        row.Mute = new QLabel("MUTE", box);
        row.Mute->setObjectName(QString("MuteLabel%1").arg(output));
        QPalette warning = row.Mute->palette();
        warning.setColor(QPalette::WindowText, RackPalette::MeterTop());
        row.Mute->setPalette(warning);
        grid->addWidget(row.Mute, line, 7);
        row.MuteMark = new QLabel("x", box);
        row.MuteMark->setObjectName(QString("MuteMark%1").arg(output));
        row.MuteMark->setPalette(warning);
        grid->addWidget(row.MuteMark, line, 8);
        row.Delay = new QLabel(box);
        row.Delay->setObjectName(QString("DelayLabel%1").arg(output));
        row.Delay->setMinimumWidth(fontMetrics().horizontalAdvance("000.00 ms"));
        grid->addWidget(row.Delay, line, 9);
    }
    ShareCaptionWidth(chainKeys);
    // Keep the hidden "MUTE" and "x" labels' room, so the rows do not move when they appear.
    grid->setColumnMinimumWidth(7, fontMetrics().horizontalAdvance("MUTE"));
    grid->setColumnMinimumWidth(8, fontMetrics().horizontalAdvance("x"));
    grid->setColumnStretch(10, 1);
    return box;
}

QWidget* MainWindow::BuildMemoryAndStatus() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto* program = new ClickableLabel("PROGRAM", panel);
    program->setObjectName("ProgramLabel");
    connect(program, &ClickableLabel::clicked, this, [this] { model_.ProgramLabelClick(); });
    row->addWidget(program);
    memory_ = new QSpinBox(panel);
    memory_->setObjectName("NProgramSpin");
    memory_->setKeyboardTracking(false);
    connect(memory_, &QSpinBox::valueChanged, this,
            [this](int value) { model_.NProgramSpinChange(value); });
    deviceControls_.push_back(memory_);
    row->addWidget(memory_);
    row->addSpacing(fontMetrics().averageCharWidth() * 2);
    row->addWidget(new QLabel("PRESET NAME", panel));
    systemName_ = new QLineEdit(panel);
    systemName_->setObjectName("SystemName");
    systemName_->setMaxLength(SystemNameCapacity);
    systemName_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    connect(systemName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SystemNameChange(ToStdString(text)); });
    row->addWidget(systemName_, 1);
    info_ = new QLabel(panel);
    info_->setObjectName("InfoLabel");
    info_->setMinimumWidth(fontMetrics().horizontalAdvance("Status : Connected at COM4"));
    row->addWidget(info_);
    verifyText_ = new QLabel(panel);
    verifyText_->setObjectName("VerifyText");
    row->addWidget(verifyText_);
    copyAllMem_ = AddButton("CopyAllMem", "Copiar todas las memorias igual",
                            [this] { model_.CopyAllMemClick(); });
    row->addWidget(copyAllMem_);
    // The coefficient display's button is a hidden test control of the system: it stays
    // hidden, and tests reach it by name.
    QPushButton* coefficients =
        AddButton("ShowCoeffButton", "Show Coeff", [this] { model_.ShowCoeffButtonClick(); });
    coefficients->setVisible(false);
    row->addWidget(coefficients);
    return panel;
}

void MainWindow::ApplyHints() {
    for (const ControlHint& hint : MainFormHints) {
        if (auto* control = findChild<QWidget*>(ToQString(hint.Control))) {
            control->setToolTip(ToQString(hint.Hint));
            control->setStatusTip(ToQString(hint.Hint));
        }
    }
}

void MainWindow::Refresh() {
    setWindowTitle(ToQString(model_.Caption));
    realTime_->SetLit(model_.RealTimePictureOn);
    ShowChecked(verify_, model_.VerifyAfterWrite);
    ShowText(verifyText_, ToQString(model_.VerifyText));
    for (QWidget* control : deviceControls_) {
        ShowEnabled(control, model_.DeviceButtonsEnabled);
    }
    for (std::size_t input = 0; input < inputNames_.size(); ++input) {
        ShowText(inputNames_[input], ToQString(program_.Doc().Config.InputNames[input]));
    }
    for (std::size_t output = 0; output < outputs_.size(); ++output) {
        OutputRow& row = outputs_[output];
        ShowText(row.Route, RoutePicture(model_.RoutePicture[output]));
        ShowText(row.Name, ToQString(program_.Doc().Config.OutputNames[output]));
        ShowEnabled(row.Name, model_.OutputNameEnabled[output]);
        ShowVisible(row.Mute, model_.MuteLabelVisible[output]);
        ShowVisible(row.MuteMark, model_.MuteMarkVisible[output]);
        ShowText(row.Delay, ToQString(model_.DelayText[output]));
    }
    ShowValue(memory_, program_.Processor().MemoryMinimum, LastMemory,
              program_.Processor().MemoryNumber);
    ShowText(systemName_, ToQString(model_.SystemName));
    ShowText(info_, ToQString(program_.Processor().ConnectionText));
    ShowVisible(copyAllMem_, model_.CopyAllMemVisible);
    ApplyVisible(model_.Visible);
}

void MainWindow::CloseRequested() {
    if (model_.CloseQuery() && endProgram_) {
        endProgram_();
    }
}

bool MainWindow::event(QEvent* event) {
    // The hints go to the window's own status line as the pointer passes over a control.
    if (event->type() == QEvent::StatusTip) {
        statusBar_->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return FormWindow::event(event);
}

} // namespace quorvex
