#include "platform/MessageBoxes.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace brelvane::platform {

namespace {
AnswerResponder& Responder() {
    static AnswerResponder responder;
    return responder;
}

TAnswer Ask(TMessageKind kind, const QString& caption, const QString& text) {
    return Responder()(kind, caption, text);
}

// Offscreen runs have nobody to click a box.
bool HasInteractiveDisplay() {
    const auto platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}
} // namespace

AnswerResponder SetAnswerResponder(AnswerResponder responder) {
    std::swap(responder, Responder());
    return responder;
}

MessageResponder SetMessageResponder(MessageResponder responder) {
    AnswerResponder wrapped;
    if (responder)
        wrapped = [responder](TMessageKind kind, const QString& caption, const QString& text) {
            return responder(kind, caption, text) ? TAnswer::Yes : TAnswer::No;
        };
    auto previous = SetAnswerResponder(std::move(wrapped));
    if (!previous) return {};
    return [previous](TMessageKind kind, const QString& caption, const QString& text) {
        return previous(kind, caption, text) == TAnswer::Yes;
    };
}

void ShowInformation(QWidget* owner, const QString& caption, const QString& text) {
    if (Responder())
        Ask(TMessageKind::Information, caption, text);
    else
        QMessageBox::information(owner, caption, text);
}

bool AskYesNo(QWidget* owner, const QString& caption, const QString& text, TMessageIcon icon) {
    if (Responder()) return Ask(TMessageKind::Question, caption, text) == TAnswer::Yes;
    QMessageBox box(icon == TMessageIcon::Question ? QMessageBox::Question
                                                   : QMessageBox::Information,
                    caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    return box.exec() == QMessageBox::Yes;
}

TAnswer AskYesNoCancel(QWidget* owner, const QString& caption, const QString& text) {
    if (Responder()) return Ask(TMessageKind::YesNoCancel, caption, text);
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Yes  ? TAnswer::Yes
           : answer == QMessageBox::No ? TAnswer::No
                                       : TAnswer::Cancel;
}

void ShowErrorBox(QWidget* owner, const QString& text) {
    ShowErrorBox(owner, "Error", text);
}

void ShowErrorBox(QWidget* owner, const QString& caption, const QString& text) {
    if (Responder()) {
        Ask(TMessageKind::Error, caption, text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
    if (HasInteractiveDisplay()) QMessageBox::critical(owner, caption, text);
}

} // namespace brelvane::platform
