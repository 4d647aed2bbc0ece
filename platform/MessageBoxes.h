#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace brelvane::platform {

// Which answers a box offers: OK only, or Yes and No.
enum class TMessageKind { Information, Question };
enum class TMessageIcon { Information, Question };

// Answers a message box instead of the user (tests); returns whether the
// answer is Yes (or OK).
using MessageResponder =
    std::function<bool(TMessageKind kind, const QString& caption, const QString& text)>;
// Installs `responder` and returns the previous one; none shows real boxes.
MessageResponder SetMessageResponder(MessageResponder responder);

// A message with an OK button and the information icon.
void ShowInformation(QWidget* owner, const QString& caption, const QString& text);
// A Yes/No question, with the question icon unless told otherwise; true for Yes.
bool AskYesNo(QWidget* owner, const QString& caption, const QString& text,
              TMessageIcon icon = TMessageIcon::Question);

} // namespace brelvane::platform
