#include "objects/records/AgreementPayload.h"

namespace brelvane {

TAgreementPayload::TAgreementPayload(std::string caption, std::string errorMessage)
    : Caption(std::move(caption)), ErrorMessage(std::move(errorMessage)) {}

void TAgreementPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

TRadioButtonPayload::TRadioButtonPayload()
    : TAgreementPayload("New RadioButton", "Please select the radio button.") {}

std::unique_ptr<TPayload> TRadioButtonPayload::Clone() const {
    return std::make_unique<TRadioButtonPayload>(*this);
}

TCheckBoxPayload::TCheckBoxPayload()
    : TAgreementPayload("New CheckBox", "Please select the check box.") {}

std::unique_ptr<TPayload> TCheckBoxPayload::Clone() const {
    return std::make_unique<TCheckBoxPayload>(*this);
}

} // namespace brelvane
