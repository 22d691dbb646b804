#include "app/peq_form.h"

#include "app/program.h"

namespace quorvex {

TPEQForm::TPEQForm(Program& program) : program_(program) {}

void TPEQForm::Show() {}
void TPEQForm::Activate() {}
void TPEQForm::Reset() {}
void TPEQForm::SelectOutput(int /*output*/) {}
void TPEQForm::SelectBand(int /*band*/) {}
void TPEQForm::TipoFiltroComboChange(int /*position*/) {}
void TPEQForm::FrecEditExit(std::string_view /*text*/) {}
void TPEQForm::FilterGainEditExit(std::string_view /*text*/) {}
void TPEQForm::QEditExit(std::string_view /*text*/) {}
void TPEQForm::FilterGainEditKey(bool /*up*/) {}
void TPEQForm::QEditKey(bool /*up*/) {}
void TPEQForm::FrecSpinBClick(bool /*up*/) {}
void TPEQForm::GainSpinBClick(bool /*up*/) {}
void TPEQForm::QSpinBClick(bool /*up*/) {}
void TPEQForm::VerPEQClick(int /*output*/) {}
void TPEQForm::MagClick() {}
void TPEQForm::PhaseClick() {}
void TPEQForm::XoverCheckClick(bool /*checked*/) {}
void TPEQForm::RealTimeBClick() {}
void TPEQForm::MouseMove(double /*frequencyHz*/, double /*value*/, bool /*inside*/) {}
void TPEQForm::MouseDown(double /*frequencyHz*/, double /*value*/) {}
void TPEQForm::MouseUp() {}
void TPEQForm::Redraw() {}

} // namespace quorvex
