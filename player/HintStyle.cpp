#include "player/HintStyle.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

namespace brelvane {

namespace {
std::unique_ptr<THintStyle>& Installed() {
    static std::unique_ptr<THintStyle> style;
    return style;
}

// The balloon is a window: it goes while the application still runs.
void RemoveAtExit() {
    Installed().reset();
}
} // namespace

QWidget* HintOwner(QWidget* widget) {
    for (QWidget* at = widget; at; at = at->parentWidget()) {
        if (qobject_cast<QMenu*>(at)) return nullptr;
        if (!at->toolTip().isEmpty()) return at;
        if (at->isWindow()) break;
    }
    return nullptr;
}

// The balloon is drawn whatever the desktop's blending: that only limits
// fades and shadows of windows.
THintStyle::THintStyle(const THintSettings& settings) : hint_(settings, true) {
    showTimer_.setSingleShot(true);
    showTimer_.setInterval(std::max(settings.ShowPause, 0));
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(std::max(settings.HidePause, 0));
    connect(&showTimer_, &QTimer::timeout, this, &THintStyle::ShowDue);
    connect(&hideTimer_, &QTimer::timeout, this, &THintStyle::HideDue);
    qApp->installEventFilter(this);
}

THintStyle::~THintStyle() {
    qApp->removeEventFilter(this);
}

void THintStyle::ShowDue() {
    showTimer_.stop();
    if (!owner_ || !owner_->isVisible()) return;
    const QString text = owner_->toolTip();
    if (text.isEmpty()) return;
    const QRect screen = ScreenGeometryAt(mouse_);
    hint_.ActivateHint(hint_.CalcHintRect(screen.width(), text).translated(mouse_), text);
    if (hideTimer_.interval() > 0) hideTimer_.start();
}

void THintStyle::HideDue() {
    hideTimer_.stop();
    hint_.hide();
}

void THintStyle::Dismiss() {
    showTimer_.stop();
    HideDue();
}

void THintStyle::PointerAt(QWidget* widget, QPoint global) {
    mouse_ = global;
    QWidget* owner = HintOwner(widget);
    if (owner == owner_) return;
    Dismiss();
    owner_ = owner;
    if (owner_) showTimer_.start();
}

bool THintStyle::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        // The platform's tooltip never shows while the balloon is installed.
        return true;
    case QEvent::MouseMove: {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (widget && widget != &hint_ && mouse->buttons() == Qt::NoButton)
            PointerAt(widget, mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::Leave:
        if (watched == owner_) {
            Dismiss();
            owner_ = nullptr;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        // Like the platform's tooltip: gone on input, back only on another hint.
        Dismiss();
        break;
    default:
        break;
    }
    return false;
}

void InstallHintStyle(const THintSettings* settings) {
    auto& installed = Installed();
    installed.reset();
    if (!settings) return;
    static const bool registered = [] {
        qAddPostRoutine(RemoveAtExit);
        return true;
    }();
    (void)registered;
    installed = std::make_unique<THintStyle>(*settings);
}

THintStyle* InstalledHintStyle() {
    return Installed().get();
}

} // namespace brelvane
