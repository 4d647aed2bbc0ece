#pragma once

#include "ModalDialogs.h"
#include "dialogs/ActionContext.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brelvane {

inline void EnsureDialogsApplication() {
    static int argc = 1;
    static char name[] = "dialogs_tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

// Message boxes written down as "caption: text" and answered OK.
struct MessageLog {
    std::vector<std::string> Shown;
    platform::MessageResponder Previous;
    MessageLog() {
        Previous = platform::SetMessageResponder(
            [this](platform::TMessageKind, const QString& caption, const QString& text) {
                Shown.push_back((caption + ": " + text).toStdString());
                return true;
            });
    }
    ~MessageLog() { platform::SetMessageResponder(Previous); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
};

// A context with a page of objects and scripted pickers: each pick takes the
// next queued answer (nothing when the queue is empty) and notes its purpose.
struct DialogsFixture {
    bool Ready = (EnsureDialogsApplication(), true);
    std::deque<std::string> FileAnswers;
    std::deque<std::string> FolderAnswers;
    std::vector<TFilePurpose> Purposes;
    MessageLog Messages;
    TActionContext Context;

    DialogsFixture() {
        Context.ChooseFileInProject = [this](std::string& path, TFilePurpose purpose) {
            Purposes.push_back(purpose);
            return Answer(FileAnswers, path);
        };
        Context.ChooseFolderInProject = [this](std::string& folder) {
            return Answer(FolderAnswers, folder);
        };
    }

private:
    static bool Answer(std::deque<std::string>& answers, std::string& path) {
        if (answers.empty()) return false;
        path = answers.front();
        answers.pop_front();
        return true;
    }
};

} // namespace brelvane
