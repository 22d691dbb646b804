#include "app/loudness_form.h"

#include "app/program.h"

namespace quorvex {

TLoudnessForm::TLoudnessForm(Program& program) : program_(program) {}

void TLoudnessForm::Activate() {}
void TLoudnessForm::Reset() {}
void TLoudnessForm::SelectSub(int /*sub*/) {}
void TLoudnessForm::ParamLEDClick() {}
void TLoudnessForm::HighLEDClick() {}
void TLoudnessForm::RealTimeBClick() {}
void TLoudnessForm::DibujaLoudness() {}

} // namespace quorvex
