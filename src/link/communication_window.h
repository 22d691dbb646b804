#pragma once

#include "link/byte_link.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

/// What the communication window ("Serial Interface") shows during transfers: the port
/// line, the status line with every status it showed, and the progress gauge. A plain
/// model: the window only paints it, tests read it.
class CommunicationWindow {
public:
    CommunicationWindow();

    std::string_view Caption() const;
    /// "Comunication Port : COM1" .. "Comunication Port : USB".
    const std::string& PortLine() const { return portLine_; }
    /// The status line as shown now (`Info`).
    const std::string& Status() const { return status_; }
    /// Every status shown since the last ClearStatusLines, oldest first.
    const std::vector<std::string>& StatusLines() const { return statusLines_; }
    int ProgressMaximum() const { return progressMaximum_; }
    int ProgressPosition() const { return progressPosition_; }
    bool Visible() const { return visible_; }

    void SetPort(const std::string& portName);
    void SetStatus(std::string text);
    void SetProgressMaximum(int maximum);
    void SetProgressPosition(int position);
    void Show();
    void Close();
    void ClearStatusLines() { statusLines_.clear(); }

    /// Called after every change, for the window to repaint.
    std::function<void()> Changed;

private:
    void Notify();

    std::string portLine_;
    std::string status_;
    std::vector<std::string> statusLines_;
    int progressMaximum_ = 0;
    int progressPosition_ = 0;
    bool visible_ = false;
};

} // namespace quorvex
