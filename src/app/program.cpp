#include "app/program.h"

#include "app/connect_form.h"
#include "app/copy_outputs_form.h"
#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/edit_history.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/import_form.h"
#include "app/input_pass_form.h"
#include "app/loudness_form.h"
#include "app/main_form.h"
#include "app/password_form.h"
#include "app/peq_form.h"
#include "app/sensitivity_form.h"
#include "app/show_coeff_form.h"
#include "app/speaker_form.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"
#include "link/message_loop.h"

namespace quorvex {

namespace {

// The windows created before the main one get their messages handled before it appears.
constexpr int StartUpPumps = 100;

} // namespace

Program::Program(Dialogs& dialogs, Progress& progress, MessageLoop& pump)
    : services_{dialogs, progress, pump}, writes_(processor_, dialogs) {
    // The main window and the workflows reach the windows they drive through the program;
    // every other window is given what it needs.
    connect_ = std::make_unique<TConnectForm>(*this);
    copyOutputs_ = std::make_unique<TCopyOutputsForm>(*this);
    sensitivity_ = std::make_unique<TSensitivityForm>(document_);
    inputPass_ = std::make_unique<TInputPassForm>(processor_, dialogs, pump);
    pump.Run(StartUpPumps);
    main_ = std::make_unique<TMainForm>(*this);
    showCoeff_ = std::make_unique<TShowCoeffForm>();
    finalResponse_ = std::make_unique<TFinalResponseForm>(document_);
    peq_ = std::make_unique<TPEQForm>(document_, writes_, *main_);
    gains_ = std::make_unique<TGainsForm>(document_, processor_, writes_, *main_);
    dynamics_ = std::make_unique<TDynamicform>(document_, pump, writes_, *main_);
    delay_ = std::make_unique<TDelayFinoForm>(document_, processor_, writes_, *main_);
    xover_ = std::make_unique<TXOVERForm>(document_, dialogs, writes_, *main_);
    speaker_ = std::make_unique<TSpeakerForm>(document_, *dynamics_);
    loudness_ = std::make_unique<TLoudnessForm>(document_, processor_, writes_, *main_, *xover_);
    systemInfo_ = std::make_unique<TSystemInfoForm>(document_);
    password_ = std::make_unique<TPasswordForm>();
    import_ = std::make_unique<TImportForm>(document_, dialogs, *sensitivity_);
    FollowWindows();
    history_ = std::make_unique<EditHistory>(*this);
    history_->Restart();
    FollowEdits();
}

void Program::FollowWindows() {
    // The combined response follows every stage it is drawn from.
    finalResponse_->FollowStage(peq_->ResponseChanged());
    finalResponse_->FollowStage(xover_->ResponseChanged());
    finalResponse_->FollowStage(gains_->ResponseChanged());
    finalResponse_->FollowStage(delay_->ResponseChanged());
    finalResponse_->FollowStage(import_->ResponseChanged());
    finalResponse_->FollowLookAhead(dynamics_->LookAheadChanged());
    // The editors' start-up drew their stages before anyone listened: the combined response
    // as start-up leaves it.
    finalResponse_->DibujaFinalResponse();
    showCoeff_->Follow(*peq_);
    peq_->FollowCrossover(xover_->ResponseChanged());
    main_->FollowSystemInfo();
    dynamics_->Aligns(*delay_);
    // Windows that another one opens.
    dynamics_->SpeakerWindowAsked().Listen([this] { speaker_->Show(); });
    finalResponse_->ImportWindowAsked().Listen([this] { import_->Show(); });
}

void Program::FollowEdits() {
    // A model announces once its outermost handler has returned: the moment at which one
    // handler call from a form is complete, and so one step.
    const auto record = [this] { history_->Record(); };
    main_->Changed().Listen(record);
    systemInfo_->Changed().Listen(record);
    finalResponse_->Changed().Listen(record);
    peq_->Changed().Listen(record);
    gains_->Changed().Listen(record);
    dynamics_->Changed().Listen(record);
    delay_->Changed().Listen(record);
    xover_->Changed().Listen(record);
    speaker_->Changed().Listen(record);
    loudness_->Changed().Listen(record);
    copyOutputs_->Changed().Listen(record);
    sensitivity_->Changed().Listen(record);
    import_->Changed().Listen(record);
}

Program::~Program() = default;

void Program::StartNewHistory() {
    if (history_) {
        history_->Restart();
    }
}

} // namespace quorvex
