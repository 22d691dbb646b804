#include "app/show_coeff_form.h"

#include "app/field_format.h"
#include "app/peq_form.h"
#include "engine/tsos.h"

namespace quorvex {

TShowCoeffForm::TShowCoeffForm() {
    Update(TSOS{});
}

void TShowCoeffForm::Follow(TPEQForm& equaliser) {
    Update(equaliser.DesignedSection());
    equaliser.SectionDesigned().Listen([this, &equaliser] { Update(equaliser.DesignedSection()); });
}

void TShowCoeffForm::Update(const TSOS& section) {
    HandlerScope scope(changed_);
    b0Edit = FormatCoefficient(section.b0);
    b1Edit = FormatCoefficient(section.b1);
    b2Edit = FormatCoefficient(section.b2);
    a1Edit = FormatCoefficient(section.a1);
    a2Edit = FormatCoefficient(section.a2);
}

} // namespace quorvex
