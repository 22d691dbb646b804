#pragma once

#include "app/document.h"
#include "app/processor_connection.h"

#include <array>
#include <cstddef>
#include <memory>

namespace quorvex {

class Program;

/// Which output, band, block and sub each editor shows: restored with a step, so that an
/// undo brings the person back to where the edit was made.
struct EditorSelections {
    int EditorOutput = 1;
    int EditorBlock = 1;
    int EqualiserOutput = 1;
    std::array<int, OutputCount> EqualiserBands{1, 1, 1, 1, 1, 1};
    int CrossoverOutput = 1;
    int DynamicsBlock = 1;
    int ReinforcementSub = 1;
    int DelayOutput = 1;
};

/// Everything an edit changes, kept as it was at one point of the history: the
/// configuration, the designed engine objects, the stage responses the editors keep and
/// the editors' selections. Parts equal to those of the snapshot taken before are shared
/// with it rather than copied, so a step costs the configuration and what the edit changed.
struct EditorSnapshot {
    template <typename T> using Part = std::shared_ptr<const T>;

    Part<Configuration> Config;
    std::array<Part<std::array<TSOS, MaxBandsPerOutput>>, OutputCount> Bands;
    std::array<Part<TXOVER>, OutputCount> Crossovers;
    std::array<Part<TDYNAMIC>, DynamicsBlockCount> Dynamics;
    Part<std::array<TSOS, 2>> Reinforcement;
    std::array<Part<FrequencyResponse>, OutputCount> EqualiserResponse;
    std::array<Part<FrequencyResponse>, OutputCount> CrossoverResponse;
    std::array<Part<FrequencyResponse>, OutputCount> SpeakerResponse;
    std::array<Part<FrequencyResponse>, 2> ReinforcementResponse;
    EditorSelections Selections;

    /// The engine objects put together again.
    EngineObjects Engine() const;
};

/// The program's state now; parts equal to `previous`'s are shared with it.
EditorSnapshot CaptureSnapshot(Program& program, const EditorSnapshot* previous = nullptr);

/// Bytes `snapshot` holds that `previous` does not share with it (all when null).
std::size_t SnapshotBytes(const EditorSnapshot& snapshot, const EditorSnapshot* previous);

/// Puts the program back into `snapshot`'s state and brings every editor's fields, curves
/// and selections up to date, without a box, a progress window or a real-time write: the
/// caller holds the transfer mark, which keeps the editors from sending.
void RestoreSnapshot(Program& program, const EditorSnapshot& snapshot);

} // namespace quorvex
