#pragma once

#include "ui/form_window.h"

class QLabel;
class QProgressBar;

namespace quorvex {

class CommunicationWindow;
class TConnectForm;

/// The communication window "Serial Interface": the port, the status of the transfer and
/// its progress. It follows the connection window's model, which owns the line.
class SerialInfoWindow : public FormWindow {
    Q_OBJECT

public:
    SerialInfoWindow(TConnectForm& connection, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;

private:
    CommunicationWindow& model_;
    QLabel* port_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

} // namespace quorvex
