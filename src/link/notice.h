#pragma once

#include <string>
#include <vector>

namespace quorvex {

/// The kind of message box a device operation asks the person to see.
enum class NoticeKind { Information, Warning, Error };

/// The buttons of that box. The protected-memory message is the one box with "Yes" alone.
enum class NoticeButton { Ok, Yes };

/// One message box the caller shows, in order, after the operation returns.
struct Notice {
    NoticeKind Kind = NoticeKind::Information;
    std::string Text;
    NoticeButton Button = NoticeButton::Ok;
    bool Beep = false; ///< a system beep comes before the box
};

using Notices = std::vector<Notice>;

} // namespace quorvex
