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
#include "ui/copy_outputs_window.h"
#include "ui/delay_window.h"
#include "ui/dynamic_window.h"
#include "ui/final_response_window.h"
#include "ui/gains_window.h"
#include "ui/import_window.h"
#include "ui/loudness_window.h"
#include "ui/peq_window.h"
#include "ui/sensitivity_window.h"
#include "ui/speaker_window.h"
#include "ui/xover_window.h"

namespace quorvex {

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
        window = std::make_unique<GainsWindow>(program.Gains(), owner);
        break;
    case EditorWindow::Delay:
        window = std::make_unique<DelayWindow>(program.Delay(), owner);
        break;
    case EditorWindow::Dynamics:
        window = std::make_unique<DynamicWindow>(program, owner);
        break;
    case EditorWindow::Loudness:
        window = std::make_unique<LoudnessWindow>(program.Loudness(), owner);
        break;
    case EditorWindow::CopyOutputs:
        window = std::make_unique<CopyOutputsWindow>(program.CopyOutputs(), owner);
        break;
    case EditorWindow::FinalResponse:
        window = std::make_unique<FinalResponseWindow>(program, owner);
        break;
    case EditorWindow::Speaker:
        window = std::make_unique<SpeakerWindow>(program.Speaker(), owner);
        break;
    case EditorWindow::Import:
        window = std::make_unique<ImportWindow>(program.Import(), owner);
        break;
    case EditorWindow::Sensitivity:
        window = std::make_unique<SensitivityWindow>(program.Sensitivity(), owner);
        break;
    }
    return window;
}

} // namespace quorvex
