#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace brelvane::platform {

// Which answers a box offers: OK only (a notice or a failure), Yes and No,
// or Yes, No and Cancel.
enum class TMessageKind { Information, Question, YesNoCancel, Error };
enum class TMessageIcon { Information, Question };
enum class TAnswer { Yes, No, Cancel };

// Answers a message box instead of the user (tests); returns whether the
// answer is Yes (or OK). A three-way question gets No for false.
using MessageResponder =
    std::function<bool(TMessageKind kind, const QString& caption, const QString& text)>;
// Installs `responder` and returns the previous one; none shows real boxes.
MessageResponder SetMessageResponder(MessageResponder responder);

// As MessageResponder, with the whole answer (Cancel included).
using AnswerResponder =
    std::function<TAnswer(TMessageKind kind, const QString& caption, const QString& text)>;
AnswerResponder SetAnswerResponder(AnswerResponder responder);

// A message with an OK button and the information icon.
void ShowInformation(QWidget* owner, const QString& caption, const QString& text);
// A Yes/No question, with the question icon unless told otherwise; true for Yes.
bool AskYesNo(QWidget* owner, const QString& caption, const QString& text,
              TMessageIcon icon = TMessageIcon::Question);
// A Yes/No/Cancel question with the question icon; closing the box is Cancel.
TAnswer AskYesNoCancel(QWidget* owner, const QString& caption, const QString& text);
// A failure titled "Error" with the error icon.
void ShowErrorBox(QWidget* owner, const QString& text);
// A failure with its own caption and the error icon.
void ShowErrorBox(QWidget* owner, const QString& caption, const QString& text);

} // namespace brelvane::platform
