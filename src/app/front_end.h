#pragma once

namespace quorvex {

class Dialogs;
class Progress;
class MessageLoop;

/// What the program asks of the front end it runs in: its dialog boxes, its progress window
/// and passes of its message pump.
struct FrontEnd {
    Dialogs& DialogBoxes;
    Progress& ProgressWindow;
    MessageLoop& MessagePump;
};

} // namespace quorvex
