#include "objects/controls/AuSimpleText.h"

#include "objects/records/SimpleTextPayload.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QFontMetrics>
#include <QPainter>

namespace brelvane {

namespace {
Qt::Alignment TextFlags(const TSimpleTextPayload& payload) {
    Qt::Alignment flags;
    switch (payload.Alignment) {
    case taRightJustify:
        flags = Qt::AlignRight;
        break;
    case taCenter:
        flags = Qt::AlignHCenter;
        break;
    default:
        flags = Qt::AlignLeft;
        break;
    }
    switch (payload.Layout) {
    case tlCenter:
        return flags | Qt::AlignVCenter;
    case tlBottom:
        return flags | Qt::AlignBottom;
    default:
        return flags | Qt::AlignTop;
    }
}

constexpr int kTextFlags = Qt::TextWordWrap;
} // namespace

TAuSimpleText::TAuSimpleText(TAutoObject& object, QWidget* parent) : TObjectWidget(object, parent) {
    ShownChecked = object.Props.Checked;
    ShownLook = ShownChecked ? TLook::Pressed : TLook::Normal;
    FitHeight();
}

void TAuSimpleText::Refresh() {
    const bool checked = Record().Props.Checked;
    if (checked != ShownChecked) {
        ShownChecked = checked;
        ShownLook = checked ? TLook::Pressed : TLook::Normal;
    }
    FitHeight();
    TObjectWidget::Refresh();
}

void TAuSimpleText::ClearHoverLook() {
    if (ShownLook == TLook::Hot) PointerLook(TLook::Normal);
}

void TAuSimpleText::PointerLook(TLook look) {
    if (!Record().Props.Checked) Show(look);
}

void TAuSimpleText::Show(TLook look) {
    if (look == ShownLook) return;
    ShownLook = look;
    update();
}

void TAuSimpleText::FitHeight() {
    auto* payload = PayloadAs<TSimpleTextPayload>();
    if (!payload || !payload->AutoSize || width() <= 0) return;
    // An empty caption still keeps one line.
    const QString caption =
        payload->Caption.empty() ? QStringLiteral(" ") : FromAnsi(payload->Caption);
    const QFontMetrics metrics(ToQFont(payload->Font));
    const int height = metrics.boundingRect(QRect(0, 0, width(), 0), kTextFlags, caption).height();
    resize(width(), height);
    payload->Height = height;
}

void TAuSimpleText::paintEvent(QPaintEvent*) {
    const auto* payload = PayloadAs<TSimpleTextPayload>();
    if (!payload) return;
    const TFont* font = &payload->Font;
    std::int32_t back = payload->BackColor;
    if (ShownLook == TLook::Hot) {
        font = &payload->HotFont;
        back = payload->HotBackColor;
    } else if (ShownLook == TLook::Pressed) {
        font = &payload->MouseDownFont;
        back = payload->MouseDownBackColor;
    }
    QPainter painter(this);
    if (!payload->Transparent) painter.fillRect(rect(), ResolveColor(back));
    painter.setFont(ToQFont(*font));
    painter.setPen(isEnabled() ? FontColor(*font) : ResolveColor(SystemColorValue(COLOR_GRAYTEXT)));
    painter.drawText(rect(), static_cast<int>(TextFlags(*payload)) | kTextFlags,
                     FromAnsi(payload->Caption));
}

void TAuSimpleText::enterEvent(QEnterEvent* event) {
    PointerLook(TLook::Hot);
    TObjectWidget::enterEvent(event);
}

void TAuSimpleText::leaveEvent(QEvent* event) {
    PointerLook(TLook::Normal);
    TObjectWidget::leaveEvent(event);
}

void TAuSimpleText::mousePressEvent(QMouseEvent* event) {
    PointerLook(TLook::Pressed);
    TObjectWidget::mousePressEvent(event);
}

void TAuSimpleText::mouseReleaseEvent(QMouseEvent* event) {
    // The hot look comes back before the page hears of the click, whose
    // check-group update may then show the pressed look for good.
    PointerLook(TLook::Hot);
    TObjectWidget::mouseReleaseEvent(event);
}

} // namespace brelvane
