#pragma once

namespace quorvex {

/// What an editor asks of the main window: its real-time switch, which every editor's Real
/// Time button works, and the output strip's indicators that show an editor's change at
/// once (the delay, the mute marks and the selected band's address).
class EditorHost {
public:
    virtual void RealTimeBClick() = 0;
    virtual void ShowDelay(int output, double delayMs) = 0;
    virtual void ShowMuteIndicators(int output, bool muted) = 0;
    virtual void ShowBandAddress(int dspAddress) = 0;

protected:
    EditorHost() = default;
    ~EditorHost() = default;
    EditorHost(const EditorHost&) = default;
    EditorHost& operator=(const EditorHost&) = default;
};

} // namespace quorvex
