#include "app/edit_history.h"

#include "app/change_description.h"
#include "app/image_difference_writes.h"
#include "app/program.h"
#include "app/transfer_mark.h"
#include "config/qvx_encoder.h"

#include <numeric>

namespace quorvex {

namespace {

/// A change that shows only in the designs or the responses, none of the named fields.
constexpr std::string_view UnnamedStep = "edit";

std::vector<std::string> NamesBetween(const auto& from, const auto& to) {
    std::vector<std::string> names;
    for (auto step = from; step != to; ++step) {
        names.push_back(step->Name);
    }
    return names;
}

} // namespace

EditHistory::EditHistory(Program& program) : program_(program) {}

std::string EditHistory::UndoText() const {
    return CanUndo() ? std::string(UndoPrefix) + steps_[cursor_].Name : std::string();
}

std::string EditHistory::RedoText() const {
    return CanRedo() ? std::string(RedoPrefix) + steps_[cursor_ + 1].Name : std::string();
}

std::vector<std::string> EditHistory::UndoNames() const {
    if (steps_.empty()) {
        return {};
    }
    const auto last = steps_.rbegin() + static_cast<std::ptrdiff_t>(steps_.size() - 1 - cursor_);
    return NamesBetween(last, steps_.rend() - 1);
}

std::vector<std::string> EditHistory::RedoNames() const {
    if (steps_.empty()) {
        return {};
    }
    return NamesBetween(steps_.begin() + static_cast<std::ptrdiff_t>(cursor_) + 1, steps_.end());
}

bool EditHistory::Undo() {
    HandlerScope scope(changed_);
    Record();
    if (!CanUndo()) {
        return false;
    }
    // The editors come back to where the undone edit was made, showing its old value.
    MoveTo(cursor_ - 1, steps_[cursor_].State.Selections);
    return true;
}

bool EditHistory::Redo() {
    HandlerScope scope(changed_);
    Record();
    if (!CanRedo()) {
        return false;
    }
    MoveTo(cursor_ + 1, steps_[cursor_ + 1].State.Selections);
    return true;
}

void EditHistory::BeginStep(std::string name) {
    HandlerScope scope(changed_);
    Record();
    stepOpen_ = true;
    openName_ = std::move(name);
}

void EditHistory::EndStep() {
    HandlerScope scope(changed_);
    if (!stepOpen_) {
        return;
    }
    stepOpen_ = false;
    Record();
    openName_.clear();
}

void EditHistory::Record() {
    if (restoring_ || stepOpen_) {
        return;
    }
    if (steps_.empty()) {
        Restart();
        return;
    }
    const Fingerprint now = FingerprintNow();
    if (now == current_) {
        return;
    }
    const EditorSnapshot& last = steps_[cursor_].State;
    if (openName_.empty() && IsOnlyAdjustment(*last.Config, program_.Doc().Config)) {
        return;
    }
    Step step;
    step.State = CaptureSnapshot(program_, &last);
    step.Name = openName_.empty() ? DescribeChange(*last.Config, *step.State.Config) : openName_;
    if (step.Name.empty()) {
        step.Name = UnnamedStep;
    }
    step.Bytes = SnapshotBytes(step.State, &last);
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(cursor_) + 1, steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > StepLimit + 1) {
        steps_.pop_front();
    }
    cursor_ = steps_.size() - 1;
    current_ = now;
    changed_.Mark();
}

void EditHistory::Restart() {
    steps_.clear();
    steps_.push_back({CaptureSnapshot(program_), "", 0});
    cursor_ = 0;
    current_ = FingerprintNow();
    stepOpen_ = false;
    openName_.clear();
    changed_.Mark();
}

std::size_t EditHistory::StepBytes() const {
    if (steps_.empty()) {
        return 0;
    }
    return std::accumulate(steps_.begin() + 1, steps_.end(), std::size_t{0},
                           [](std::size_t sum, const Step& step) { return sum + step.Bytes; });
}

EditHistory::Fingerprint EditHistory::FingerprintNow() const {
    return {EncodeConfigurationRecord(program_.Doc().Config, ""),
            BuildCoefficientImage(program_.Doc().Config, program_.Doc().Engine)};
}

void EditHistory::MoveTo(std::size_t index, const EditorSelections& selections) {
    const CoefficientImage before = current_.Image;
    EditorSnapshot target = steps_[index].State;
    target.Selections = selections;
    {
        // No intermediate value of the refresh reaches the unit, and no refresh is a step.
        const TransferMark mark(program_.Processor());
        restoring_ = true;
        RestoreSnapshot(program_, target);
        restoring_ = false;
    }
    cursor_ = index;
    current_ = FingerprintNow();
    SendImageDifferences(program_.Writes(), before, current_.Image);
    changed_.Mark();
}

} // namespace quorvex
