#include "designer/NewPageForm.h"

#include "storage/ProjectIndex.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brelvane {

TNewPageForm::TNewPageForm(QWidget* owner, const std::function<bool(std::uint8_t)>& exists)
    : QDialog(owner) {
    setObjectName("NewPageForm");
    setWindowTitle("New Page");
    auto* layout = new QVBoxLayout(this);
    auto* typeGroup = new QGroupBox("Page Type", this);
    auto* typeLayout = new QVBoxLayout(typeGroup);
    const std::pair<std::uint8_t, const char*> kinds[] = {
        {pkSubPage, "Sub Page"},
        {pkSplashScreen, "Splash Screen"},
        {pkScreenBackground, "Full Screen Background"},
        {pkAgreementForm, "Agreement Form"},
        {pkSecurityForm, "Security Form"},
        {pkExitForm, "Exit Form"}};
    for (const auto& [kind, caption] : kinds) {
        const bool taken = kind != pkSubPage && exists(kind);
        auto* button =
            new QRadioButton(QString(caption) + (taken ? " [Already Exists]" : ""), typeGroup);
        button->setEnabled(!taken);
        button->setChecked(kind == pkSubPage);
        typeLayout->addWidget(button);
        kinds_.emplace_back(kind, button);
    }
    layout->addWidget(typeGroup);

    auto* createGroup = new QGroupBox("Create Page", this);
    auto* createLayout = new QVBoxLayout(createGroup);
    const std::pair<TNewPageSource, const char*> sources[] = {
        {TNewPageSource::Blank, "Blank Page"},
        {TNewPageSource::Template, "Select From Templates"},
        {TNewPageSource::Duplicate, "Duplicate Current Page"}};
    for (const auto& [source, caption] : sources) {
        auto* button = new QRadioButton(caption, createGroup);
        button->setChecked(source == TNewPageSource::Blank);
        if (source == TNewPageSource::Template) button->setObjectName("SelectFromTemplates");
        createLayout->addWidget(button);
        sources_.emplace_back(source, button);
    }
    layout->addWidget(createGroup);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::uint8_t TNewPageForm::Kind() const {
    for (const auto& [kind, button] : kinds_)
        if (button->isChecked()) return kind;
    return pkSubPage;
}

TNewPageSource TNewPageForm::Source() const {
    for (const auto& [source, button] : sources_)
        if (button->isChecked()) return source;
    return TNewPageSource::Blank;
}

QRadioButton* TNewPageForm::KindButton(std::uint8_t kind) const {
    for (const auto& [k, button] : kinds_)
        if (k == kind) return button;
    return nullptr;
}

QRadioButton* TNewPageForm::SourceButton(TNewPageSource source) const {
    for (const auto& [s, button] : sources_)
        if (s == source) return button;
    return nullptr;
}

} // namespace brelvane
