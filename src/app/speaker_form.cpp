#include "app/speaker_form.h"

#include "app/program.h"

namespace quorvex {

TSpeakerForm::TSpeakerForm(Program& program) : program_(program) {}

void TSpeakerForm::Show() {}
void TSpeakerForm::Activate() {}
void TSpeakerForm::OutputButtonClick(int /*button*/) {}
void TSpeakerForm::ZloadChange(int /*item*/) {}
void TSpeakerForm::PowerMaxLoadChange(int /*watts*/) {}
void TSpeakerForm::PowerMaxLoadStep(bool /*up*/) {}
void TSpeakerForm::PowerAmpMaxChange(int /*watts*/) {}
void TSpeakerForm::PowerAmpMaxStep(bool /*up*/) {}
void TSpeakerForm::AmpGainChange(int /*gain*/) {}
void TSpeakerForm::AmpGainStep(bool /*up*/) {}
void TSpeakerForm::BalanceadoClick() {}
void TSpeakerForm::NumberSpeakersChange(int /*item*/) {}

} // namespace quorvex
