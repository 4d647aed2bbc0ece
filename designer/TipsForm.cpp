#include "designer/TipsForm.h"

#include "render/RtfTextDocument.h"
#include "storage/rtf/RtfPlainText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace brelvane {

TTipsForm::TTipsForm(QWidget* owner, const std::string& rtfBytes, bool askAgain) : QDialog(owner) {
    setObjectName("TipsForm");
    setWindowTitle("What's New?");
    resize(520, 400);
    auto* layout = new QVBoxLayout(this);
    text_ = new QTextBrowser(this);
    text_->setObjectName("RichEdit1");
    // A damaged file still shows what could be read: the box is informative only.
    LoadRtfIntoTextDocument(ReadRichContent(rtfBytes, TRtfRecovery::ReadPastFaults).Document,
                            *text_->document());
    layout->addWidget(text_);

    auto* row = new QHBoxLayout;
    check_ = new QCheckBox("Show this on startup", this);
    check_->setObjectName("CheckBox1");
    check_->setChecked(true);
    check_->setVisible(askAgain);
    row->addWidget(check_);
    row->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    row->addWidget(buttons);
    layout->addLayout(row);
}

bool TTipsForm::ShowOnStartup() const {
    return check_->isChecked();
}

} // namespace brelvane
