#include "player/NewHint.h"

#include "render/HintPainting.h"
#include "render/HintPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace brelvane {

namespace {
QImage BlankImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}
} // namespace

QRect ScreenGeometryAt(QPoint point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

TNewHint::TNewHint(const THintSettings& settings, bool richBackgrounds)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
      settings_(settings), backImage_(HintBackImage(settings)), richBackgrounds_(richBackgrounds),
      direction_(settings.Direction) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TNewHint::CalcHintRect(int maxWidth, const QString& text) const {
    // The platform's hint window adds 6 to the right and 2 below the text.
    return QRect(QPoint(0, 0), HintTextSize(settings_, text, maxWidth) + QSize(6, 2));
}

void TNewHint::ActivateHint(const QRect& rect, const QString& text) {
    ActivateHintOn(rect, text, ScreenGeometryAt(rect.topLeft()));
}

void TNewHint::ActivateHintOn(const QRect& rect, const QString& text, const QRect& screen,
                              const QImage* behind) {
    hide();
    text_ = text;
    const auto placement =
        PlaceHint(rect.size(), rect.topLeft(), screen, settings_.Direction, settings_.ShadowOffset);
    direction_ = placement.Direction;
    if (behind) {
        work_ = BlankImage(placement.Window.size());
        QPainter(&work_).drawImage(QPoint(0, 0), *behind,
                                   placement.Window.translated(-screen.topLeft()));
    } else {
        CaptureBehind(placement.Window);
    }
    Paint();
    setGeometry(placement.Window);
    show();
    update();
}

void TNewHint::CaptureBehind(const QRect& window) {
    work_ = BlankImage(window.size());
    QPainter painter(&work_);
    if (QScreen* screen = QGuiApplication::screenAt(window.topLeft())) {
        const QRect local = window.translated(-screen->geometry().topLeft());
        const QPixmap shot =
            screen->grabWindow(0, local.x(), local.y(), local.width(), local.height());
        if (!shot.isNull()) painter.drawPixmap(0, 0, shot);
    }
    // The page's own drawing, also where the display cannot be read back.
    QWidget* active = QApplication::activeWindow();
    if (!active || active == this) return;
    const QRect inWindow = QRect(active->mapFromGlobal(window.topLeft()), window.size());
    const QRect part = inWindow.intersected(active->rect());
    if (part.isEmpty()) return;
    painter.drawPixmap(part.topLeft() - inWindow.topLeft(), active->grab(part));
}

void TNewHint::Paint() {
    if (work_.isNull()) return;
    PaintHintBalloon(work_, settings_, backImage_, direction_, text_, richBackgrounds_);
}

void TNewHint::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, work_);
}

} // namespace brelvane
