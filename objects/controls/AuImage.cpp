#include "objects/controls/AuImage.h"

#include "objects/records/ImagePayload.h"

#include <QPainter>

namespace brelvane {

TAuImage::TAuImage(TAutoObject& object, QWidget* parent) : TLookWidget(object, parent) {
    Animation.setSingleShot(true);
    connect(&Animation, &QTimer::timeout, this, &TAuImage::NextFrame);
    if (const auto* payload = PayloadAs<TImagePayload>())
        RestoreLooks(payload->PressedLook, payload->HoverLook);
    Refresh();
}

void TAuImage::Refresh() {
    if (auto* payload = PayloadAs<TImagePayload>()) {
        auto down = PictureImageOf(payload->ImageDown);
        auto normal = PictureImageOf(payload->ImageNormal);
        auto over = PictureImageOf(payload->ImageOver);
        if (down != Down || normal != Normal || over != Over) payload->DisplayedState = isNone;
        Down = std::move(down);
        Normal = std::move(normal);
        Over = std::move(over);
    }
    ChooseStatePicture();
    UpdateShown();
    TLookWidget::Refresh();
}

void TAuImage::LooksChanged() {
    if (auto* payload = PayloadAs<TImagePayload>()) {
        // The looks are part of the stored record.
        payload->PressedLook = Pressed();
        payload->HoverLook = Hovered();
    }
    ChooseStatePicture();
}

void TAuImage::ChooseStatePicture() {
    auto* payload = PayloadAs<TImagePayload>();
    if (!payload) return;
    std::int32_t state = isNormal;
    if (((Pressed() && Hovered()) || Checked()) && !payload->ImageDown.Empty())
        state = isDown;
    else if (Hovered() && !payload->ImageOver.Empty() && isEnabled())
        state = isOver;
    if (state == payload->DisplayedState) return;
    payload->DisplayedState = state;
    Display(state == isDown ? Down : state == isOver ? Over : Normal);
}

void TAuImage::ShowCommentPicture(const TPicture* picture) {
    if (picture) {
        Display(PictureImageOf(*picture));
        return;
    }
    if (auto* payload = PayloadAs<TImagePayload>()) payload->DisplayedState = isNormal;
    Display(Normal);
}

void TAuImage::Display(std::shared_ptr<const TPictureImage> picture) {
    Displayed = std::move(picture);
    Frame = 0;
    Plays = 0;
    Animation.stop();
    if (Displayed && Displayed->Animated()) Animation.start(Displayed->DelaysMs.front());
    auto* payload = PayloadAs<TImagePayload>();
    if (payload && payload->AutoSize && Displayed && !Displayed->Empty()) {
        const QSize size = Displayed->Size();
        resize(size);
        payload->Width = size.width();
        payload->Height = size.height();
    }
    UpdateShown();
    update();
}

void TAuImage::UpdateShown() {
    const auto* payload = PayloadAs<TImagePayload>();
    Shown = payload && Displayed
                ? DrawnFrame(*Displayed, static_cast<std::size_t>(Frame), payload->Transparent)
                : QImage();
}

void TAuImage::NextFrame() {
    if (!Displayed || !Displayed->Animated()) return;
    const int count = static_cast<int>(Displayed->Frames.size());
    if (Frame + 1 < count) {
        ++Frame;
    } else {
        ++Plays;
        // The last frame stays once the loop count is played out.
        if (Displayed->LoopCount != 0 && Plays >= Displayed->LoopCount) return;
        Frame = 0;
    }
    Animation.start(Displayed->DelaysMs[static_cast<std::size_t>(Frame)]);
    UpdateShown();
    update();
}

void TAuImage::paintEvent(QPaintEvent*) {
    const auto* payload = PayloadAs<TImagePayload>();
    if (!payload || Shown.isNull()) return;
    const QImage& image = Shown;
    QPainter painter(this);
    if (payload->Stretch)
        painter.drawImage(rect(), image);
    else if (payload->Center)
        painter.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2),
                          image);
    else
        painter.drawImage(QPoint(0, 0), image);
}

} // namespace brelvane
