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
    connect_ = std::make_unique<TConnectForm>(*this);
    copyOutputs_ = std::make_unique<TCopyOutputsForm>(*this);
    sensitivity_ = std::make_unique<TSensitivityForm>(*this);
    inputPass_ = std::make_unique<TInputPassForm>(*this);
    pump.Run(StartUpPumps);
    main_ = std::make_unique<TMainForm>(*this);
    showCoeff_ = std::make_unique<TShowCoeffForm>(*this);
    finalResponse_ = std::make_unique<TFinalResponseForm>(*this);
    peq_ = std::make_unique<TPEQForm>(*this);
    gains_ = std::make_unique<TGainsForm>(*this);
    dynamics_ = std::make_unique<TDynamicform>(*this);
    delay_ = std::make_unique<TDelayFinoForm>(*this);
    xover_ = std::make_unique<TXOVERForm>(*this);
    speaker_ = std::make_unique<TSpeakerForm>(*this);
    loudness_ = std::make_unique<TLoudnessForm>(*this);
    systemInfo_ = std::make_unique<TSystemInfoForm>(*this);
    password_ = std::make_unique<TPasswordForm>(*this);
    import_ = std::make_unique<TImportForm>(*this);
    history_ = std::make_unique<EditHistory>(*this);
    history_->Restart();
    FollowEdits();
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
