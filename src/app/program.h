#pragma once

#include "app/document.h"
#include "app/front_end.h"
#include "app/processor_connection.h"
#include "app/real_time_writes.h"

#include <memory>

namespace quorvex {

class TMainForm;
class TSystemInfoForm;
class TShowCoeffForm;
class TFinalResponseForm;
class TPEQForm;
class TGainsForm;
class TDynamicform;
class TDelayFinoForm;
class TXOVERForm;
class TSpeakerForm;
class TLoudnessForm;
class TCopyOutputsForm;
class TConnectForm;
class TInputPassForm;
class TPasswordForm;
class TSensitivityForm;
class TImportForm;
class EditHistory;

/// The whole program without widgets: the document, the connection to the processor, the
/// front end's services and one model per window, created in the order the program starts
/// them.
class Program {
public:
    /// Program start: creates every window model in order; each creation sets its part of
    /// the configuration to its defaults.
    Program(Dialogs& dialogs, Progress& progress, MessageLoop& pump);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Document& Doc() { return document_; }
    const Document& Doc() const { return document_; }
    ProcessorConnection& Processor() { return processor_; }
    const ProcessorConnection& Processor() const { return processor_; }
    FrontEnd& Services() { return services_; }
    /// The editors' one way to the processor in real-time mode.
    RealTimeWrites& Writes() { return writes_; }

    TMainForm& Main() { return *main_; }
    TSystemInfoForm& SystemInfo() { return *systemInfo_; }
    TShowCoeffForm& ShowCoeff() { return *showCoeff_; }
    TFinalResponseForm& FinalResponse() { return *finalResponse_; }
    TPEQForm& Peq() { return *peq_; }
    TGainsForm& Gains() { return *gains_; }
    TDynamicform& Dynamics() { return *dynamics_; }
    TDelayFinoForm& Delay() { return *delay_; }
    TXOVERForm& Xover() { return *xover_; }
    TSpeakerForm& Speaker() { return *speaker_; }
    TLoudnessForm& Loudness() { return *loudness_; }
    TCopyOutputsForm& CopyOutputs() { return *copyOutputs_; }
    TConnectForm& Connect() { return *connect_; }
    TInputPassForm& InputPass() { return *inputPass_; }
    TPasswordForm& Password() { return *password_; }
    TSensitivityForm& Sensitivity() { return *sensitivity_; }
    TImportForm& Import() { return *import_; }
    /// Undo and redo of the person's edits.
    EditHistory& History() { return *history_; }
    /// New configuration, Open and Read: the history starts again from the state now (not
    /// before every window exists).
    void StartNewHistory();

private:
    /// Once every window exists: who follows whose changes, and who opens whom.
    void FollowWindows();
    /// Every editor's announcement records a step in the history when the edit changed
    /// the configuration.
    void FollowEdits();

    Document document_;
    ProcessorConnection processor_;
    FrontEnd services_;
    RealTimeWrites writes_;
    std::unique_ptr<TConnectForm> connect_;
    std::unique_ptr<TCopyOutputsForm> copyOutputs_;
    std::unique_ptr<TSensitivityForm> sensitivity_;
    std::unique_ptr<TInputPassForm> inputPass_;
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TShowCoeffForm> showCoeff_;
    std::unique_ptr<TFinalResponseForm> finalResponse_;
    std::unique_ptr<TPEQForm> peq_;
    std::unique_ptr<TGainsForm> gains_;
    std::unique_ptr<TDynamicform> dynamics_;
    std::unique_ptr<TDelayFinoForm> delay_;
    std::unique_ptr<TXOVERForm> xover_;
    std::unique_ptr<TSpeakerForm> speaker_;
    std::unique_ptr<TLoudnessForm> loudness_;
    std::unique_ptr<TSystemInfoForm> systemInfo_;
    std::unique_ptr<TPasswordForm> password_;
    std::unique_ptr<TImportForm> import_;
    std::unique_ptr<EditHistory> history_;
};

} // namespace quorvex
