#include "player/SpecialPages.h"

#include "player/AutoRunForm.h"
#include "player/PlayerEnvironment.h"

namespace brelvane {

namespace {
struct TAnswers {
    bool Preset;
    bool WhenNone;
    bool WhenBroken;
};

// The `Result` of the first page of `kind`, shown modally.
bool AskFirstPage(std::uint8_t kind, TAnswers answers) {
    const auto* project = PlayerEnvironment().Project;
    const auto* entry = project ? FirstPageOfKind(*project, kind) : nullptr;
    if (!entry) return answers.WhenNone;
    TAutoRunForm form;
    form.Result = answers.Preset;
    if (!form.BuildPage(entry->Name, TPageReadMode::Build)) return answers.WhenBroken;
    form.ShowModal();
    return form.Result;
}
} // namespace

bool ShowGatePage(std::uint8_t kind) {
    return AskFirstPage(kind, {false, true, false});
}

bool ShowExitForm() {
    return AskFirstPage(pkExitForm, {true, true, true});
}

} // namespace brelvane
