#include "objects/controls/AuSecurityEdit.h"

#include "objects/records/EditPayload.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QLineEdit>
#include <QProxyStyle>
#include <QValidator>
#include <limits>

namespace brelvane {

namespace {
// Qt's password echo uses its style's mask character; this style answers
// with the record's own character and never shows a typed one.
class TPasswordCharStyle final : public QProxyStyle {
public:
    explicit TPasswordCharStyle(QChar mask) : mask_(mask) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return mask_.unicode();
        if (hint == SH_LineEdit_PasswordMaskDelay) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar mask_;
};

// Converts every character to one case as it is typed or set, one character
// for one so that the cursor stays where it was.
class TCharCaseValidator final : public QValidator {
public:
    TCharCaseValidator(std::uint8_t charCase, QObject* parent)
        : QValidator(parent), upper_(charCase == ccUpperCase) {}
    State validate(QString& input, int&) const override {
        for (QChar& c : input)
            c = upper_ ? c.toUpper() : c.toLower();
        return Acceptable;
    }

private:
    bool upper_;
};

// Qt reads a maximum of 0 as "nothing may be typed"; stored 0 means no limit.
int QtMaxLength(std::int32_t maxLength) {
    return maxLength > 0 ? maxLength : 32767;
}
} // namespace

TAuSecurityEdit::TAuSecurityEdit(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), editor_(new QLineEdit(this)) {
    SetInner(editor_);
    connect(editor_, &QLineEdit::textChanged, this, &TAuSecurityEdit::OnTextChanged);
    Refresh();
}

void TAuSecurityEdit::Refresh() {
    const auto* payload = PayloadAs<TEditPayload>();
    if (!payload) return;
    const TEditPayload record = *payload;
    editor_->setFont(ToQFont(record.Font));
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, ResolveColor(record.Color));
    palette.setColor(QPalette::Text, FontColor(record.Font));
    editor_->setPalette(palette);
    editor_->setFrame(record.BorderStyle == ebSingle);
    editor_->setMaxLength(QtMaxLength(record.MaxLength));

    delete editor_->validator();
    editor_->setValidator(
        record.CharCase == ccNormal ? nullptr : new TCharCaseValidator(record.CharCase, editor_));
    auto* previousStyle = dynamic_cast<TPasswordCharStyle*>(editor_->style());
    if (record.PasswordChar != 0) {
        auto* style = new TPasswordCharStyle(
            FromAnsi(std::string(1, static_cast<char>(record.PasswordChar))).front());
        style->setParent(editor_);
        editor_->setStyle(style);
        editor_->setEchoMode(QLineEdit::Password);
    } else {
        editor_->setStyle(nullptr);
        editor_->setEchoMode(QLineEdit::Normal);
    }
    delete previousStyle;
    editor_->setText(FromAnsi(record.Text));

    ApplyGeometry();
    if (record.AutoSize) resize(width(), editor_->sizeHint().height());
    update();
}

void TAuSecurityEdit::OnTextChanged(const QString& text) {
    if (auto* payload = PayloadAs<TEditPayload>()) payload->Text = ToAnsi(text);
    emit TextChanged(this);
}

} // namespace brelvane
