#include "designer/ProSplashForm.h"

#include "render/AAFont.h"
#include "render/PageBackground.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace brelvane {

namespace {
constexpr int kWidth = 465;
constexpr int kHeight = 115;
constexpr int kFadeInStep = 30;
constexpr int kFadeOutStep = -20;
constexpr int kStepMs = 10;
} // namespace

TProSplashForm::TProSplashForm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("ProSplashForm");
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidth, kHeight);
    if (const auto* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    picture_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
    TPageBackground background;
    background.BackColor = Qt::white;
    background.GradientColor = QColor(160, 192, 255);
    background.GradientStyle = 5;
    RenderPageBackground(picture_, background);
    QPainter painter(&picture_);
    QApplication::windowIcon().paint(&painter, QRect(20, (kHeight - 32) / 2, 32, 32));
    painter.end();
    TAACanvas canvas;
    canvas.Image = &picture_;
    canvas.Font = QFont("Liberation Sans", 28, QFont::Bold);
    canvas.FontColor = QColor(0, 0, 128);
    TAAFont text(&canvas);
    text.TextOut(70, (kHeight - text.TextHeight("Brelvane")) / 2, "Brelvane");

    connect(&timer_, &QTimer::timeout, this, &TProSplashForm::Step);
    timer_.setInterval(kStepMs);
}

void TProSplashForm::FadeIn() {
    alpha_ = 0;
    setWindowOpacity(0.0);
    show();
    repaint();
    step_ = kFadeInStep;
    timer_.start();
}

void TProSplashForm::FadeOutAndFree() {
    step_ = kFadeOutStep;
    timer_.start();
}

void TProSplashForm::Step() {
    alpha_ = std::clamp(alpha_ + step_, 0, 255);
    setWindowOpacity(alpha_ / 255.0);
    if (step_ > 0 && alpha_ == 255) timer_.stop();
    if (step_ < 0 && alpha_ == 0) {
        timer_.stop();
        hide();
        deleteLater();
    }
}

void TProSplashForm::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, picture_);
}

} // namespace brelvane
