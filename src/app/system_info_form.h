#pragma once

#include "app/change_signal.h"

#include <string>
#include <string_view>

namespace quorvex {

struct Document;

/// The "System Info" window: preset name, project, engineer and comments.
class TSystemInfoForm {
public:
    explicit TSystemInfoForm(Document& doc);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    std::string SystemName;  ///< "PRESET NAME"
    std::string ProjectName; ///< "PROJECT NAME"
    std::string Engineer;    ///< "ENGINEER" (`EngineerLabel`)
    std::string Comments;    ///< "COMMENTS"

    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }

    /// Takes the main window's system name and empties the other three fields.
    void Reset();

    /// A change of the system name; copied to the main window at once.
    void SystemNameChange(std::string_view text);
    void ProjectNameChange(std::string_view text);
    void EngineerChange(std::string_view text);
    void CommentsChange(std::string_view text);

private:
    Document& doc_;
    ChangeSignal changed_;
};

} // namespace quorvex
