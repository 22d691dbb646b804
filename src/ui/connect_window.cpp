#include "ui/connect_window.h"

#include "app/connect_form.h"
#include "app/program.h"
#include "ui/led_button.h"
#include "ui/rack_window_palette.h"
#include "ui/widget_values.h"

#include <QGridLayout>

namespace quorvex {

namespace {

struct LampSpec {
    int Tag;
    const char* Name;
    const char* Caption;
    int Row;
    int Column;
};

// Offline on its own row, the four COM ports and USB below it.
constexpr std::array<LampSpec, TConnectForm::LampCount> Lamps{{
    {TConnectForm::OffLineTag, "OffLineB", "Offline", 0, 0},
    {TConnectForm::Com1Tag, "Com1B", "COM 1", 1, 0},
    {TConnectForm::Com2Tag, "Com2B", "COM 2", 1, 1},
    {TConnectForm::Com3Tag, "Com3B", "COM 3", 2, 0},
    {TConnectForm::Com4Tag, "Com4B", "COM 4", 2, 1},
    {TConnectForm::UsbTag, "USBButton", "USB", 0, 1},
}};

} // namespace

ConnectWindow::ConnectWindow(Program& program, std::function<void()> endProgram)
    : FormWindow(program.Connect().Changed(), nullptr), program_(program),
      model_(program.Connect()), endProgram_(std::move(endProgram)) {
    setObjectName("ConnectForm");
    setWindowTitle("Quorvex");
    ApplyRackWindowPalette(this);
    auto* layout = new QGridLayout(this);
    const int room = fontMetrics().averageCharWidth() * 3;
    layout->setHorizontalSpacing(room);
    layout->setContentsMargins(room, room, room, room);
    for (const LampSpec& entry : Lamps) {
        auto* lamp = new LedButton(entry.Caption, this);
        lamp->setObjectName(entry.Name);
        const int tag = entry.Tag;
        connect(lamp, &LedButton::clicked, this, [this, tag] { model_.OffLineBClick(tag); });
        layout->addWidget(lamp, entry.Row, entry.Column);
        lamps_[static_cast<std::size_t>(tag)] = lamp;
    }
    Refresh();
}

void ConnectWindow::Refresh() {
    for (std::size_t tag = 0; tag < lamps_.size(); ++tag) {
        lamps_[tag]->SetLit(model_.Lamps[tag]);
        ShowEnabled(lamps_[tag], model_.ButtonsEnabled);
    }
    ApplyVisible(model_.Visible);
}

void ConnectWindow::CloseRequested() {
    if (model_.CloseQuery() && endProgram_) {
        endProgram_();
    }
}

} // namespace quorvex
