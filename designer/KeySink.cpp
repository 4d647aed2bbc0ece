#include "designer/KeySink.h"

#include <QKeyEvent>
#include <optional>

namespace brelvane {

namespace {
// The step an arrow key stands for, or none for another key.
std::optional<QPoint> ArrowStep(int key) {
    switch (key) {
    case Qt::Key_Left:
        return QPoint(-1, 0);
    case Qt::Key_Right:
        return QPoint(1, 0);
    case Qt::Key_Up:
        return QPoint(0, -1);
    case Qt::Key_Down:
        return QPoint(0, 1);
    default:
        return std::nullopt;
    }
}
} // namespace

TKeySink::TKeySink(QWidget* parent) : QLineEdit(parent) {
    setObjectName("Edit1");
    setGeometry(-200, -200, 33, 21);
    // Typed text is removed at once.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) clear();
    });
}

bool TKeySink::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Leave the decision to the shortcuts of the window.
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TKeySink::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        emit DeletePressed();
        return;
    }
    if (const auto step = ArrowStep(event->key())) {
        if (modifiers & Qt::ControlModifier) {
            emit MoveRequested(step->x(), step->y());
            return;
        }
        if (modifiers & Qt::ShiftModifier) {
            emit SizeRequested(step->x(), step->y());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TKeySink::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control || event->key() == Qt::Key_Shift) emit ModifierReleased();
    QLineEdit::keyReleaseEvent(event);
}

} // namespace brelvane
