#include "app/dynamic_form.h"

#include "app/program.h"

namespace quorvex {

TDynamicform::TDynamicform(Program& program) : program_(program) {}

void TDynamicform::Activate() {}
void TDynamicform::Reset() {}
void TDynamicform::SelectBlock(int /*block*/) {}
void TDynamicform::ThresholdEditExit(std::string_view /*text*/) {}
void TDynamicform::ThresholdEditKey(bool /*up*/) {}
void TDynamicform::KneeEditExit(std::string_view /*text*/) {}
void TDynamicform::KneeEditKey(bool /*up*/) {}
void TDynamicform::LimiterBClick() {}
void TDynamicform::CompressorBClick() {}
void TDynamicform::DynBypassBotonClick() {}
void TDynamicform::AttackEditExit(std::string_view /*text*/) {}
void TDynamicform::AttackStep(bool /*up*/) {}
void TDynamicform::HoldEditExit(std::string_view /*text*/) {}
void TDynamicform::HoldStep(bool /*up*/) {}
void TDynamicform::ReleaseEditExit(std::string_view /*text*/) {}
void TDynamicform::ReleaseStep(bool /*up*/) {}
void TDynamicform::LookAheadEditExit(std::string_view /*text*/) {}
void TDynamicform::LookAheadStep(bool /*up*/) {}
void TDynamicform::NoiseLevelChange(int /*item*/) {}
void TDynamicform::GateEditEnter(std::string_view /*text*/) {}
void TDynamicform::PendienteEditEnter(std::string_view /*text*/) {}
void TDynamicform::RmsDynamicsCaptionClick() {}
void TDynamicform::NoiseLevelCaptionClick() {}
void TDynamicform::ShowInfoClick(bool /*checked*/) {}
void TDynamicform::RealTimeBClick() {}
void TDynamicform::CurveChanged() {}
void TDynamicform::CalculaPower() {}

} // namespace quorvex
