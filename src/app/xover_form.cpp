#include "app/xover_form.h"

#include "app/program.h"

namespace quorvex {

TXOVERForm::TXOVERForm(Program& program) : program_(program) {}

void TXOVERForm::SelectOutput(int /*output*/) {}
void TXOVERForm::Reset() {}
void TXOVERForm::ApplyPendingParameters() {}
void TXOVERForm::TipoXComboChange(CrossoverEdge /*edge*/, int /*position*/) {}
void TXOVERForm::OrdenSpinChange(CrossoverEdge /*edge*/, int /*order*/) {}
void TXOVERForm::FrecSpinChange(CrossoverEdge /*edge*/, int /*hz*/) {}
void TXOVERForm::FrecEditExit(CrossoverEdge /*edge*/, std::string_view /*text*/) {}
void TXOVERForm::FrecStep(CrossoverEdge /*edge*/, bool /*up*/) {}
void TXOVERForm::FrecEditChange(CrossoverEdge /*edge*/, std::string_view /*text*/) {}
void TXOVERForm::OnlyLClick() {}
void TXOVERForm::OnlyHClick() {}
void TXOVERForm::VerXoverClick(int /*output*/) {}
void TXOVERForm::MagnClick() {}
void TXOVERForm::PhasClick() {}
void TXOVERForm::YMaxUpDownClick(bool /*up*/) {}
void TXOVERForm::YMinUpDownClick(bool /*up*/) {}
void TXOVERForm::RealTimeBClick() {}
void TXOVERForm::MouseMove(double /*frequencyHz*/, double /*value*/, bool /*inside*/) {}
void TXOVERForm::UpdateEdge(CrossoverEdge /*edge*/) {}
void TXOVERForm::Redraw() {}

} // namespace quorvex
