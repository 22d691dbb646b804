#pragma once

#include "ui/form_window.h"

#include <array>
#include <functional>

namespace quorvex {

class LedButton;
class Program;
class TConnectForm;

/// The connection window: the six lamps that choose offline, a COM port or USB. It is the
/// program's first window; closing it, once the closing question allows, ends the program.
class ConnectWindow : public FormWindow {
    Q_OBJECT

public:
    /// `endProgram` runs when the closing question lets the program end.
    ConnectWindow(Program& program, std::function<void()> endProgram);

    void Refresh() override;

protected:
    void CloseRequested() override;

private:
    Program& program_;
    TConnectForm& model_;
    std::function<void()> endProgram_;
    std::array<LedButton*, 6> lamps_{};
};

} // namespace quorvex
