#include "app/notice_boxes.h"

#include "app/dialogs.h"

namespace quorvex {

namespace {

MessageKind KindOf(NoticeKind kind) {
    switch (kind) {
    case NoticeKind::Information:
        return MessageKind::Information;
    case NoticeKind::Warning:
        return MessageKind::Warning;
    case NoticeKind::Error:
        return MessageKind::Error;
    }
    return MessageKind::Error;
}

} // namespace

void ShowNotices(Dialogs& dialogs, const Notices& notices) {
    for (const Notice& notice : notices) {
        if (notice.Beep) {
            dialogs.Beep();
        }
        // The one-button boxes ("OK", or "Yes" alone for the protected memory) only
        // acknowledge the text.
        dialogs.ShowMessage(KindOf(notice.Kind), MessageButtons::Ok, notice.Text);
    }
}

} // namespace quorvex
