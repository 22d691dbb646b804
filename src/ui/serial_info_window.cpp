#include "ui/serial_info_window.h"

#include "app/connect_form.h"
#include "link/communication_texts.h"
#include "link/communication_window.h"
#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvex {

SerialInfoWindow::SerialInfoWindow(TConnectForm& connection, QWidget* owner)
    : ModelWindow(connection.Communication, connection.Changed(), owner) {
    setObjectName("TW_Serial_Info_Form");
    setWindowTitle(ToQString(model_.Caption()));
    auto* layout = new QVBoxLayout(this);
    port_ = new QLabel(this);
    port_->setObjectName("Info_Com_Label");
    status_ = new QLabel(this);
    status_->setObjectName("Info");
    status_->setWordWrap(true);
    // The longest status lines of a transfer fit on two lines.
    status_->setMinimumWidth(status_->fontMetrics().averageCharWidth() * 50);
    auto* baudRate = new QLabel(ToQString(communication_text::BaudRateLine), this);
    baudRate->setObjectName("BaudRateLabel");
    baudRate->setVisible(false);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("ProgressBar");
    bar_->setTextVisible(false);
    layout->addWidget(port_);
    layout->addWidget(baudRate);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    Refresh();
}

void SerialInfoWindow::Refresh() {
    ShowText(port_, ToQString(model_.PortLine()));
    ShowText(status_, ToQString(model_.Status()));
    // A gauge without a transfer length yet stays empty (a zero maximum would make Qt's
    // bar run as a busy indicator).
    const int maximum = std::max(1, model_.ProgressMaximum());
    bar_->setRange(0, maximum);
    bar_->setValue(std::clamp(model_.ProgressPosition(), 0, maximum));
    ApplyVisible(model_.Visible());
}

} // namespace quorvex
