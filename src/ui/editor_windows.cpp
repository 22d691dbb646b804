#include "ui/editor_windows.h"

#include "app/copy_outputs_form.h"
#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/import_form.h"
#include "app/loudness_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/sensitivity_form.h"
#include "app/speaker_form.h"
#include "app/xover_form.h"
#include "ui/dynamic_window.h"
#include "ui/final_response_window.h"
#include "ui/peq_window.h"
#include "ui/placeholder_window.h"
#include "ui/xover_window.h"

namespace quorvex {

namespace {

template <class Model>
std::unique_ptr<FormWindow> Placeholder(Model& model, QWidget* owner, const char* title,
                                        Modality modality = Modality::Modeless) {
    auto window = std::make_unique<PlaceholderWindow<Model>>(model, owner, title, modality);
    return window;
}

} // namespace

std::unique_ptr<FormWindow> MakeEditorWindow(EditorWindow kind, Program& program, QWidget* owner) {
    std::unique_ptr<FormWindow> window;
    switch (kind) {
    case EditorWindow::Peq:
        window = std::make_unique<PeqWindow>(program, owner);
        break;
    case EditorWindow::Xover:
        window = std::make_unique<XoverWindow>(program, owner);
        break;
    case EditorWindow::Gains:
        window = Placeholder(program.Gains(), owner, "Levels");
        window->setObjectName("GainsForm");
        break;
    case EditorWindow::Delay:
        window = Placeholder(program.Delay(), owner, "Delay");
        window->setObjectName("DelayFinoForm");
        break;
    case EditorWindow::Dynamics:
        window = std::make_unique<DynamicWindow>(program, owner);
        break;
    case EditorWindow::Loudness:
        window = Placeholder(program.Loudness(), owner, "Sub Reinforcement");
        window->setObjectName("LoudnessForm");
        break;
    case EditorWindow::CopyOutputs:
        window = Placeholder(program.CopyOutputs(), owner, "Copy Outputs", Modality::Modal);
        window->setObjectName("CopyOutputsForm");
        break;
    case EditorWindow::FinalResponse:
        window = std::make_unique<FinalResponseWindow>(program, owner);
        break;
    case EditorWindow::Speaker:
        window = Placeholder(program.Speaker(), owner, "Speaker", Modality::Modal);
        window->setObjectName("SpeakerForm");
        break;
    case EditorWindow::Import:
        window = Placeholder(program.Import(), owner, "Import");
        window->setObjectName("ImportForm");
        break;
    case EditorWindow::Sensitivity:
        window = Placeholder(program.Sensitivity(), owner, "Input Sensitivity", Modality::Modal);
        window->setObjectName("SensitivityForm");
        break;
    }
    return window;
}

} // namespace quorvex
