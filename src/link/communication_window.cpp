#include "link/communication_window.h"

#include "link/communication_texts.h"

namespace quorvex {

CommunicationWindow::CommunicationWindow()
    : portLine_(communication_text::PortLinePrefix), status_(communication_text::Connecting) {}

std::string_view CommunicationWindow::Caption() const {
    return communication_text::Caption;
}

void CommunicationWindow::SetPort(const std::string& portName) {
    portLine_ = std::string(communication_text::PortLinePrefix) + portName;
    Notify();
}

void CommunicationWindow::SetStatus(std::string text) {
    statusLines_.push_back(text);
    status_ = std::move(text);
    Notify();
}

void CommunicationWindow::SetProgressMaximum(int maximum) {
    progressMaximum_ = maximum;
    Notify();
}

void CommunicationWindow::SetProgressPosition(int position) {
    progressPosition_ = position;
    Notify();
}

void CommunicationWindow::Show() {
    visible_ = true;
    Notify();
}

void CommunicationWindow::Close() {
    visible_ = false;
    Notify();
}

void CommunicationWindow::Notify() {
    if (Changed) {
        Changed();
    }
}

} // namespace quorvex
