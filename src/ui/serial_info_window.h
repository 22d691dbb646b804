#pragma once

#include "link/communication_window.h"
#include "ui/model_window.h"

class QLabel;
class QProgressBar;

namespace quorvex {

class TConnectForm;

/// The communication window "Serial Interface": the port, the status of the transfer and
/// its progress. It follows the connection window's model, which owns the line.
class SerialInfoWindow : public ModelWindow<CommunicationWindow> {
    Q_OBJECT

public:
    SerialInfoWindow(TConnectForm& connection, QWidget* owner);

    void Refresh() override;

private:
    QLabel* port_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

} // namespace quorvex
