#include "objects/records/FormCheck.h"

#include "objects/records/AgreementPayload.h"
#include "objects/records/EditPayload.h"

namespace brelvane {

namespace {
TFormVerdict Failure(TFormVerdict::TOutcome outcome, const std::string& caption,
                     const std::string& text) {
    return {outcome, caption, text, {}};
}
} // namespace

TFormVerdict CheckForm(TAutoObjects& objects) {
    TFormVerdict verdict;
    for (const auto& object : objects) {
        if (auto* edit = dynamic_cast<TEditPayload*>(object->Payload.get())) {
            if (edit->Text == edit->AccurateText) continue;
            ++edit->WrongAttempts;
            if (edit->AllowRetry > 0 && edit->WrongAttempts > edit->AllowRetry)
                return Failure(TFormVerdict::Refuse, edit->FailedCaption, edit->FailedMessage);
            return Failure(TFormVerdict::Stay, edit->ErrorCaption, edit->ErrorMessage);
        }
        if (const auto* option = dynamic_cast<const TAgreementPayload*>(object->Payload.get())) {
            if (option->Checked) {
                const auto& props = object->Props;
                if (!props.SelectForOpenRun.empty())
                    verdict.Files.push_back({props.SelectForOpenRun, props.SelectForOpenRunParams,
                                             props.SelectForOpenRunDir,
                                             props.SelectForOpenRunWait == "Y"});
            } else if (option->NeedCheck) {
                return Failure(TFormVerdict::Stay, option->ErrorCaption, option->ErrorMessage);
            }
        }
    }
    return verdict;
}

} // namespace brelvane
