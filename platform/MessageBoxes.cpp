#include "platform/MessageBoxes.h"

#include <QMessageBox>

namespace brelvane::platform {

namespace {
MessageResponder& Responder() {
    static MessageResponder responder;
    return responder;
}
} // namespace

MessageResponder SetMessageResponder(MessageResponder responder) {
    std::swap(responder, Responder());
    return responder;
}

void ShowInformation(QWidget* owner, const QString& caption, const QString& text) {
    if (Responder())
        Responder()(TMessageKind::Information, caption, text);
    else
        QMessageBox::information(owner, caption, text);
}

bool AskYesNo(QWidget* owner, const QString& caption, const QString& text, TMessageIcon icon) {
    if (Responder()) return Responder()(TMessageKind::Question, caption, text);
    QMessageBox box(icon == TMessageIcon::Question ? QMessageBox::Question
                                                   : QMessageBox::Information,
                    caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    return box.exec() == QMessageBox::Yes;
}

} // namespace brelvane::platform
