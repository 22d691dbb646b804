#pragma once

#include "app/change_signal.h"
#include "app/editor_snapshot.h"
#include "config/qvx_layout.h"
#include "image/coefficient_image.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace quorvex {

class Program;

/// Undo and redo of the person's edits. The history is a list of snapshots of the edited
/// state (configuration, designs, stage responses, editor selections), one per step; a
/// step is recorded when a handler leaves that state changed, or, around a drag, when the
/// form closes the step it opened. Undo and redo put a snapshot back and refresh every
/// editor without running the handlers' side effects; in real-time mode they then send
/// the unit the DSP words in which the two coefficient images differ. New configuration,
/// Open and Read start a new history.
class EditHistory {
public:
    /// Steps kept; the oldest is forgotten beyond it.
    static constexpr std::size_t StepLimit = 500;
    static constexpr std::string_view UndoPrefix = "Undo: ";
    static constexpr std::string_view RedoPrefix = "Redo: ";

    explicit EditHistory(Program& program);
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    /// Announces every change of the history (a step recorded, undone or redone, a new
    /// history), so that the windows refresh after an undo.
    ChangeSignal& Changed() { return changed_; }

    bool CanUndo() const { return cursor_ > 0; }
    bool CanRedo() const { return cursor_ + 1 < steps_.size(); }
    /// "Undo: Out3 band 2 gain", the tooltip of the main window; "" when nothing to undo.
    std::string UndoText() const;
    /// "Redo: Out3 band 2 gain"; "" when nothing to redo.
    std::string RedoText() const;
    /// The names of the steps Undo would take back, the next one first.
    std::vector<std::string> UndoNames() const;
    std::vector<std::string> RedoNames() const;

    /// Takes back the last step (a pending change is recorded first). False when none.
    bool Undo();
    /// Does the last undone step again. False when none.
    bool Redo();

    /// A form opens a step when a drag begins (mouse down): the changes until `EndStep`
    /// are one step. `name` names it; empty takes the name from what changed.
    void BeginStep(std::string name = "");
    /// Mouse up: the step opened by `BeginStep` is recorded if anything changed.
    void EndStep();

    /// Records a step when the state differs from the history's last point. Called after
    /// every handler; does nothing inside an open step or while a step is put back. A
    /// change that is only an editor's adjustment of a value onto its control's step (as a
    /// band is selected) makes no step: it goes with the next one.
    void Record();

    /// Forgets every step: the state now is the new starting point.
    void Restart();

    /// Bytes the kept steps hold beyond the starting point.
    std::size_t StepBytes() const;
    std::size_t StepCount() const { return steps_.empty() ? 0 : steps_.size() - 1; }

private:
    struct Step {
        EditorSnapshot State; ///< the state after the step
        std::string Name;     ///< the step that led to it
        std::size_t Bytes = 0;
    };

    /// The record and the image of the state now, for telling whether it changed.
    struct Fingerprint {
        QvxRecord Record{};
        CoefficientImage Image{};
        bool operator==(const Fingerprint&) const = default;
    };

    Fingerprint FingerprintNow() const;
    /// Puts step `index` back, the editors showing `selections`.
    void MoveTo(std::size_t index, const EditorSelections& selections);

    Program& program_;
    ChangeSignal changed_;
    std::deque<Step> steps_; ///< steps_[0] is the starting point
    std::size_t cursor_ = 0; ///< the step the state is at
    Fingerprint current_{};
    bool stepOpen_ = false;
    std::string openName_;
    bool restoring_ = false;
};

/// One step around a handler made of many changes (Copy outputs): opened for the scope's
/// lifetime, whatever way the handler leaves.
class HistoryStep {
public:
    HistoryStep(EditHistory& history, std::string name) : history_(history) {
        history_.BeginStep(std::move(name));
    }
    ~HistoryStep() { history_.EndStep(); }
    HistoryStep(const HistoryStep&) = delete;
    HistoryStep& operator=(const HistoryStep&) = delete;

private:
    EditHistory& history_;
};

} // namespace quorvex
