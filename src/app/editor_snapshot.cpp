#include "app/editor_snapshot.h"

#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/loudness_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"

#include <cstring>
#include <type_traits>

namespace quorvex {

namespace {

template <typename T> using Part = EditorSnapshot::Part<T>;

/// `now` as a part: the previous one when its bytes are the same. The parts are plain
/// values, so equal bytes are equal values; a false difference only costs a copy.
template <typename T> Part<T> Keep(const T& now, const Part<T>* previous) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (previous != nullptr && *previous && std::memcmp(previous->get(), &now, sizeof(T)) == 0) {
        return *previous;
    }
    return std::make_shared<const T>(now);
}

template <typename T, std::size_t N>
void KeepEach(std::array<Part<T>, N>& parts, const std::array<T, N>& now,
              const std::array<Part<T>, N>* previous) {
    for (std::size_t i = 0; i < N; ++i) {
        parts[i] = Keep(now[i], previous != nullptr ? &(*previous)[i] : nullptr);
    }
}

template <typename T, std::size_t N>
void PutEach(std::array<T, N>& into, const std::array<Part<T>, N>& parts) {
    for (std::size_t i = 0; i < N; ++i) {
        into[i] = *parts[i];
    }
}

template <typename T> std::size_t Own(const Part<T>& part, const Part<T>* previous) {
    return previous != nullptr && *previous == part ? 0 : sizeof(T);
}

template <typename T, std::size_t N>
std::size_t OwnEach(const std::array<Part<T>, N>& parts, const std::array<Part<T>, N>* previous) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < N; ++i) {
        bytes += Own(parts[i], previous != nullptr ? &(*previous)[i] : nullptr);
    }
    return bytes;
}

std::size_t TextBytes(const Configuration& config) {
    std::size_t bytes =
        config.SystemInfo.SystemName.capacity() + config.SystemInfo.ProjectName.capacity() +
        config.SystemInfo.Engineer.capacity() + config.SystemInfo.Comments.capacity();
    for (const OutputChannel& channel : config.Outputs) {
        bytes += channel.SpeakerFile.capacity();
    }
    return bytes;
}

EditorSelections SelectionsOf(Program& program) {
    EditorSelections selections;
    selections.EditorOutput = program.Main().EditorOutput;
    selections.EditorBlock = program.Dynamics().EditorBlock;
    selections.EqualiserOutput = program.Peq().Output;
    selections.EqualiserBands = program.Peq().SelectedBand;
    selections.CrossoverOutput = program.Xover().Output;
    selections.DynamicsBlock = program.Dynamics().Block;
    selections.ReinforcementSub = program.Loudness().Sub;
    selections.DelayOutput = program.Delay().CurrentOutput;
    return selections;
}

/// The document's values as the snapshot holds them, selections included.
void PutState(Program& program, const EditorSnapshot& snapshot) {
    program.Doc().Config = *snapshot.Config;
    program.Doc().Engine = snapshot.Engine();
    PutEach(program.Doc().EqualiserResponse, snapshot.EqualiserResponse);
    PutEach(program.Doc().CrossoverResponse, snapshot.CrossoverResponse);
    PutEach(program.Doc().SpeakerResponse, snapshot.SpeakerResponse);
    PutEach(program.Doc().ReinforcementResponse, snapshot.ReinforcementResponse);
    const EditorSelections& selections = snapshot.Selections;
    program.Main().EditorOutput = selections.EditorOutput;
    program.Dynamics().EditorBlock = selections.EditorBlock;
    program.Peq().SelectedBand = selections.EqualiserBands;
    program.Delay().CurrentOutput = selections.DelayOutput;
}

/// The editors' fields from the restored values, through the handlers a read-back uses;
/// the selected output, block and sub of each editor last.
void RefreshEditors(Program& program, const EditorSnapshot& snapshot) {
    const Configuration& config = program.Doc().Config;
    const EditorSelections& selections = snapshot.Selections;
    TSystemInfoForm& info = program.SystemInfo();
    info.ProjectNameChange(config.SystemInfo.ProjectName);
    info.EngineerChange(config.SystemInfo.Engineer);
    info.CommentsChange(config.SystemInfo.Comments);
    info.SystemNameChange(config.SystemInfo.SystemName);
    program.Main().SystemNameChange(config.SystemInfo.SystemName);
    program.Main().RefreshNamesAndRoutes();
    program.Delay().TemperatureCChange(config.TemperatureC);
    program.Delay().ApplyStoredDelays();
    program.Delay().ShowStoredDistances();
    program.Gains().RefreshFromSettings();
    for (int output = 1; output <= OutputCount; ++output) {
        program.Xover().SelectOutput(output);
    }
    program.Xover().SelectOutput(selections.CrossoverOutput);
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        program.Dynamics().SelectBlock(block);
    }
    program.Dynamics().SelectBlock(selections.DynamicsBlock);
    program.Loudness().SelectSub(selections.ReinforcementSub);
    for (int output = 1; output <= OutputCount; ++output) {
        program.Peq().SelectOutput(output);
    }
    program.Peq().SelectOutput(selections.EqualiserOutput);
}

} // namespace

EngineObjects EditorSnapshot::Engine() const {
    EngineObjects engine;
    PutEach(engine.Bands, Bands);
    PutEach(engine.Crossovers, Crossovers);
    PutEach(engine.Dynamics, Dynamics);
    engine.Reinforcement = *Reinforcement;
    return engine;
}

EditorSnapshot CaptureSnapshot(Program& program, const EditorSnapshot* previous) {
    EditorSnapshot snapshot;
    snapshot.Config = std::make_shared<const Configuration>(program.Doc().Config);
    KeepEach(snapshot.Bands, program.Doc().Engine.Bands, previous ? &previous->Bands : nullptr);
    KeepEach(snapshot.Crossovers, program.Doc().Engine.Crossovers,
             previous ? &previous->Crossovers : nullptr);
    KeepEach(snapshot.Dynamics, program.Doc().Engine.Dynamics,
             previous ? &previous->Dynamics : nullptr);
    snapshot.Reinforcement =
        Keep(program.Doc().Engine.Reinforcement, previous ? &previous->Reinforcement : nullptr);
    KeepEach(snapshot.EqualiserResponse, program.Doc().EqualiserResponse,
             previous ? &previous->EqualiserResponse : nullptr);
    KeepEach(snapshot.CrossoverResponse, program.Doc().CrossoverResponse,
             previous ? &previous->CrossoverResponse : nullptr);
    KeepEach(snapshot.SpeakerResponse, program.Doc().SpeakerResponse,
             previous ? &previous->SpeakerResponse : nullptr);
    KeepEach(snapshot.ReinforcementResponse, program.Doc().ReinforcementResponse,
             previous ? &previous->ReinforcementResponse : nullptr);
    snapshot.Selections = SelectionsOf(program);
    return snapshot;
}

std::size_t SnapshotBytes(const EditorSnapshot& s, const EditorSnapshot* p) {
    std::size_t bytes = sizeof(EditorSnapshot) + sizeof(Configuration) + TextBytes(*s.Config);
    bytes += OwnEach(s.Bands, p ? &p->Bands : nullptr);
    bytes += OwnEach(s.Crossovers, p ? &p->Crossovers : nullptr);
    bytes += OwnEach(s.Dynamics, p ? &p->Dynamics : nullptr);
    bytes += Own(s.Reinforcement, p ? &p->Reinforcement : nullptr);
    bytes += OwnEach(s.EqualiserResponse, p ? &p->EqualiserResponse : nullptr);
    bytes += OwnEach(s.CrossoverResponse, p ? &p->CrossoverResponse : nullptr);
    bytes += OwnEach(s.SpeakerResponse, p ? &p->SpeakerResponse : nullptr);
    bytes += OwnEach(s.ReinforcementResponse, p ? &p->ReinforcementResponse : nullptr);
    return bytes;
}

void RestoreSnapshot(Program& program, const EditorSnapshot& snapshot) {
    PutState(program, snapshot);
    RefreshEditors(program, snapshot);
    // The editors' handlers bring values onto their controls' steps and design again;
    // the step's own values, designs and responses are put back over what they left.
    PutState(program, snapshot);
    program.Peq().Redraw();
    program.Xover().Redraw();
    program.FinalResponse().DibujaFinalResponse();
}

} // namespace quorvex
