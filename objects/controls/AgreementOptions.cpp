#include "objects/controls/AgreementOptions.h"

#include "objects/records/AgreementPayload.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyleOptionButton>

namespace brelvane {

namespace {
constexpr int kCaptionGap = 4;

// The box and its caption. Standard radio buttons and check boxes can
// neither wrap their caption nor put it on the left of the box, so the
// face is drawn here with the style's own indicator.
class TOptionBox final : public QAbstractButton {
public:
    TOptionBox(bool radio, QWidget* parent) : QAbstractButton(parent), radio_(radio) {
        setCheckable(true);
    }
    void SetLayout(bool captionLeft, bool wordWrap) {
        captionLeft_ = captionLeft;
        wordWrap_ = wordWrap;
        update();
    }

protected:
    // A radio button is checked by a click, never unchecked.
    void nextCheckState() override { setChecked(radio_ || !isChecked()); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        option.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
        if (isDown()) option.state |= QStyle::State_Sunken;
        const int side = style()->pixelMetric(
            radio_ ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, &option, this);
        const int boxX = captionLeft_ ? width() - side : 0;
        option.rect = QRect(boxX, (height() - side) / 2, side, side);
        style()->drawPrimitive(radio_ ? QStyle::PE_IndicatorRadioButton
                                      : QStyle::PE_IndicatorCheckBox,
                               &option, &painter, this);

        const QRect area =
            captionLeft_ ? QRect(0, 0, width() - side - kCaptionGap, height())
                         : QRect(side + kCaptionGap, 0, width() - side - kCaptionGap, height());
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic |
                          (wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        QRect drawn;
        painter.drawText(area, flags, text(), &drawn);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = drawn.adjusted(-1, 0, 1, 0) & rect();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }

private:
    bool radio_;
    bool captionLeft_ = false;
    bool wordWrap_ = false;
};
} // namespace

TAgreementOption::TAgreementOption(TAutoObject& object, QWidget* parent, bool radio)
    : TInnerWidgetControl(object, parent), button_(new TOptionBox(radio, this)) {
    SetInner(button_);
    setAutoFillBackground(true);
    connect(button_, &QAbstractButton::toggled, this, [this](bool checked) {
        if (auto* payload = PayloadAs<TAgreementPayload>()) payload->Checked = checked;
        CheckedChanged(checked);
    });
    Refresh();
}

bool TAgreementOption::Checked() const {
    return button_->isChecked();
}

void TAgreementOption::SetChecked(bool checked) {
    button_->setChecked(checked);
}

void TAgreementOption::Refresh() {
    const auto* payload = PayloadAs<TAgreementPayload>();
    if (!payload) return;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ResolveColor(payload->Color));
    colours.setColor(QPalette::WindowText, FontColor(payload->Font));
    setPalette(colours);
    button_->setPalette(colours);
    button_->setFont(ToQFont(payload->Font));
    button_->setText(FromAnsi(payload->Caption));
    static_cast<TOptionBox*>(button_)->SetLayout(payload->Alignment == oaLeft, payload->WordWrap);
    SetChecked(payload->Checked);
    ApplyGeometry();
    update();
}

TAuAgreementRadio::TAuAgreementRadio(TAutoObject& object, QWidget* parent)
    : TAgreementOption(object, parent, true) {
    // Loading a checked radio button unchecks those before it.
    if (Checked()) CheckedChanged(true);
}

void TAuAgreementRadio::CheckedChanged(bool checked) {
    if (!checked || !parentWidget()) return;
    for (auto* other : parentWidget()->findChildren<TAuAgreementRadio*>(Qt::FindDirectChildrenOnly))
        if (other != this) other->SetChecked(false);
}

TAuAgreementCheck::TAuAgreementCheck(TAutoObject& object, QWidget* parent)
    : TAgreementOption(object, parent, false) {}

} // namespace brelvane
