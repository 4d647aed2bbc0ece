#include "objects/controls/AuImageButton.h"

#include "objects/controls/ButtonFace.h"
#include "objects/records/ButtonPayload.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace brelvane {

namespace {
constexpr int kSlide = 2;
// Margins and spaces beyond any screen are cut to this, so that no sum overflows.
constexpr int kMaxGap = 100000;

int Gap(std::int32_t value) {
    return std::clamp(value, -kMaxGap, kMaxGap);
}

struct TPlacement {
    QPoint Picture;
    QPoint Caption;
};

// Where picture and caption go; `face` is the client rectangle after the face.
TPlacement Place(const TImageButtonPayload& payload, QSize client, const QRect& face, QSize picture,
                 bool hasPicture, QSize caption) {
    const int W = client.width(), H = client.height();
    const int M = Gap(payload.Margin), S = Gap(payload.Space);
    const int pw = picture.width(), ph = picture.height();
    const int tw = caption.width(), th = caption.height();
    const QPoint centred((W - tw) / 2, (H - th) / 2 + S);
    switch (payload.ImageLayout) {
    case ilLeft:
        if (!hasPicture) return {{}, {std::min(M + S, W - M - tw), (H - th) / 2}};
        return {{face.left() + M, (H - ph) / 2},
                {std::min(face.left() + M + pw + M + S, W - M - tw), (H - th) / 2}};
    case ilTop:
        if (!hasPicture) return {{}, {(W - tw) / 2, std::min(M + S, H - M - th)}};
        return {{(W - pw) / 2, face.top() + M},
                {(W - tw) / 2, std::min(face.top() + M + ph + M + S, H - M - th)}};
    case ilRight:
        if (!hasPicture) return {{}, {std::max(W - M - S - tw, M), (H - th) / 2}};
        return {{W - M - pw, (H - ph) / 2}, {std::max(W - M - pw - tw - S, M), (H - th) / 2}};
    case ilBottom:
        if (!hasPicture) return {{}, {(W - tw) / 2, std::max(H - M - S - th, M)}};
        return {{(W - pw) / 2, H - M - ph}, {(W - tw) / 2, std::max(H - M - ph - S - th, M)}};
    case ilCenter:
        return {{(W - pw) / 2, (H - ph) / 2}, centred};
    default:
        return {{}, centred};
    }
}
} // namespace

TAuImageButton::TAuImageButton(TAutoObject& object, QWidget* parent) : TLookWidget(object, parent) {
    Refresh();
}

TAuImageButton::TStatePicture TAuImageButton::Prepare(const TPicture& picture) {
    auto image = PictureImageOf(picture);
    QImage drawn = DrawnFrame(*image, 0, true);
    return {std::move(image), std::move(drawn)};
}

void TAuImageButton::Refresh() {
    if (const auto* payload = PayloadAs<TImageButtonPayload>()) {
        DownPicture = Prepare(payload->MouseDownImage);
        NormalPicture = Prepare(payload->NormalImage);
        OverPicture = Prepare(payload->MouseOverImage);
    }
    TLookWidget::Refresh();
}

void TAuImageButton::DrawFace(QPainter& painter, QRect& rect, std::uint8_t style,
                              bool active) const {
    const QColor shadow = ResolveColor(SystemColorValue(COLOR_BTNSHADOW));
    const QColor highlight = ResolveColor(SystemColorValue(COLOR_BTNHIGHLIGHT));
    if (style == ibsNormal) {
        QRect face = rect;
        DrawButtonFace(painter, face, active);
    } else if (style == ibsFlat) {
        if (active)
            DrawFrame3D(painter, rect, shadow, highlight);
        else if (Hovered() || Pressed())
            DrawFrame3D(painter, rect, highlight, shadow);
    }
}

void TAuImageButton::paintEvent(QPaintEvent*) {
    const auto* payload = PayloadAs<TImageButtonPayload>();
    if (!payload) return;
    const bool active = (Pressed() && Hovered()) || Checked();
    const TPicture* picture = &payload->NormalImage;
    const TStatePicture* shown = &NormalPicture;
    if (active && !payload->MouseDownImage.Empty()) {
        picture = &payload->MouseDownImage;
        shown = &DownPicture;
    } else if (Hovered() && !payload->MouseOverImage.Empty()) {
        picture = &payload->MouseOverImage;
        shown = &OverPicture;
    }
    const int slide = active && payload->MouseDownSlide ? kSlide : 0;
    const TFont& font = active      ? payload->MouseDownFont
                        : Hovered() ? payload->MouseOverFont
                                    : payload->NormalFont;

    QPainter painter(this);
    QRect face = rect();
    DrawFace(painter, face, payload->ButtonStyle, active);

    const QString caption = FromAnsi(payload->Caption);
    const QFont qfont = ToQFont(font);
    const QFontMetrics metrics(qfont);
    const QSize captionSize =
        caption.isEmpty() ? QSize() : QSize(metrics.horizontalAdvance(caption), metrics.height());
    const bool hasPicture = !picture->Empty();
    const QSize pictureSize = shown->Drawn.size();
    const auto place = Place(*payload, size(), face, pictureSize, hasPicture, captionSize);

    const int m = Gap(payload->Margin);
    if (hasPicture && !shown->Drawn.isNull()) {
        if (payload->ImageLayout == ilStretch) {
            painter.drawImage(face.adjusted(m, m, -m, -m), shown->Drawn);
        } else {
            painter.drawImage(place.Picture + QPoint(slide, slide), shown->Drawn);
        }
    }
    if (caption.isEmpty()) return;
    painter.setClipRect(face.adjusted(m, m, -m, -m));
    painter.setFont(qfont);
    painter.setPen(FontColor(font));
    painter.drawText(place.Caption + QPoint(slide, slide + metrics.ascent()), caption);
}

} // namespace brelvane
