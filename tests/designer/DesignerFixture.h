#pragma once

#include "ModalDialogs.h"
#include "designer/MainForm.h"
#include "designer/NewPageForm.h"
#include "designer/NewProjectForm.h"
#include "designer/PickerDialogs.h"
#include "designer/TemplatePane.h"
#include "platform/Media.h"
#include "platform/MessageBoxes.h"
#include "player/PlayerEnvironment.h"
#include "storage/ErrorReport.h"
#include "storage/StorageTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace brelvane::test {

// The application object of a widget suite; pages play no sound in tests.
inline void EnsureDesignerApplication() {
    static int argc = 1;
    static char name[] = "designer_tests";
    static char* argv[] = {name};
    if (QCoreApplication::instance()) return;
    new QApplication(argc, argv);
    struct Silent final : platform::SoundChannel {
        bool Play(const std::string&) override { return true; }
        void Close() override {}
        bool IsPlaying() const override { return false; }
    };
    platform::SetSoundChannelFactory([] { return std::make_unique<Silent>(); });
}

// Scripted answers of the folder browser and the open-file dialog; each call
// is written down.
class ScriptedPickerDialogs final : public TPickerDialogs {
public:
    struct Call {
        QString Title;
        std::string Root;
        std::string Start;
    };
    std::deque<std::optional<std::string>> Folders;
    std::deque<std::optional<std::string>> Files;
    std::vector<Call> Calls;

    std::optional<std::string> BrowseFolder(QWidget*, const QString& title, const std::string& root,
                                            const std::string& preselect) override {
        Calls.push_back({title, root, preselect});
        if (Folders.empty()) return std::nullopt;
        auto answer = Folders.front();
        Folders.pop_front();
        return answer;
    }
    std::optional<std::string> OpenFile(QWidget*, const QString& filter,
                                        const std::string& start) override {
        Calls.push_back({filter, {}, start});
        if (Files.empty()) return std::nullopt;
        auto answer = Files.front();
        Files.pop_front();
        return answer;
    }
};

// Message boxes answered from a queue (Yes when it is empty) and written
// down as "caption: text"; error reports arrive as boxes titled "Error".
struct BoxLog {
    std::vector<std::string> Shown;
    std::vector<platform::TMessageKind> Kinds;
    std::deque<platform::TAnswer> Answers;
    platform::AnswerResponder Previous;
    ErrorSink PreviousSink;
    BoxLog() {
        Previous = platform::SetAnswerResponder(
            [this](platform::TMessageKind kind, const QString& caption, const QString& text) {
                Shown.push_back((caption + ": " + text).toStdString());
                Kinds.push_back(kind);
                if (Answers.empty()) return platform::TAnswer::Yes;
                const auto answer = Answers.front();
                Answers.pop_front();
                return answer;
            });
        PreviousSink = SetErrorSink([](const std::string& text) {
            platform::ShowErrorBox(nullptr, QString::fromStdString(text));
        });
    }
    ~BoxLog() {
        platform::SetAnswerResponder(Previous);
        SetErrorSink(PreviousSink);
    }
    BoxLog(const BoxLog&) = delete;
    BoxLog& operator=(const BoxLog&) = delete;
    std::size_t ErrorCount() const {
        return static_cast<std::size_t>(
            std::count(Kinds.begin(), Kinds.end(), platform::TMessageKind::Error));
    }
};

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Drags item `row` of the template pane's list onto `target` at `at`, as a
// mouse does: the drag enters, is taken and is dropped. False when the target
// did not take it.
inline bool DragTemplateItem(TTemplatePane& pane, int row, QWidget* target, QPoint at) {
    auto& list = *pane.ListView2();
    std::unique_ptr<QMimeData> data(list.model()->mimeData({list.model()->index(row, 0)}));
    if (!data) return false;
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// A designer beside a program folder of its own, with a base folder for projects.
struct DesignerFixture {
    bool Ready = (EnsureDesignerApplication(), true);
    TPlayerEnvironment SavedEnvironment = PlayerEnvironment();
    TempFolder Root;
    std::string Program = Root.File("program");
    std::string Base = Root.File("project");
    ScriptedPickerDialogs* Dialogs = nullptr;
    BoxLog Boxes;
    std::unique_ptr<TMainForm> Form;

    explicit DesignerFixture(const std::string& programFile = {}) {
        std::filesystem::create_directories(Program);
        std::filesystem::create_directories(Base);
        const auto program = Program + "/Brelvane";
        if (programFile.empty())
            WriteText(program, "player bytes");
        else
            std::filesystem::copy_file(programFile, program);
        WriteText(Program + "/Default.ico", std::string("\0\0\1\0icon", 8));
        auto dialogs = std::make_unique<ScriptedPickerDialogs>();
        Dialogs = dialogs.get();
        Form = std::make_unique<TMainForm>(TDesignerPaths{program, Program, Program + "/Temp"},
                                           std::move(dialogs));
        Form->resize(1000, 800);
    }
    // The runtime folder publishing adds to every target, beside the program:
    // the off-screen window plug-in, which a published player started with
    // QT_QPA_PLATFORM=offscreen finds only there, and no libraries (the
    // system's serve). Returns the folder.
    std::string ProvideRuntime() {
        const auto runtime = Program + "/AutoRunRuntime";
        std::filesystem::create_directories(runtime + "/lib");
        std::filesystem::create_directories(runtime + "/plugins/platforms");
        const auto plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString();
        std::filesystem::copy_file(plugins + "/platforms/libqoffscreen.so",
                                   runtime + "/plugins/platforms/libqoffscreen.so");
        return runtime;
    }
    ~DesignerFixture() {
        Form.reset();
        PlayerEnvironment() = SavedEnvironment;
    }
    DesignerFixture(const DesignerFixture&) = delete;
    DesignerFixture& operator=(const DesignerFixture&) = delete;
    // New Project in the base folder with the given rows ticked besides the main page.
    void NewProject(bool withSplashAndBackground = false) {
        OnNextDialog([this, withSplashAndBackground](QWidget* dialog) {
            auto* form = qobject_cast<TNewProjectForm*>(dialog);
            ASSERT_NE(form, nullptr);
            form->FolderBox()->setText(QString::fromStdString(Base));
            form->Row(pkSplashScreen).Include->setChecked(withSplashAndBackground);
            form->Row(pkScreenBackground).Include->setChecked(withSplashAndBackground);
            form->accept();
        });
        Form->New1Click();
    }
    // Add Page with `kind` (Sub Page by default).
    void AddPage(std::uint8_t kind = pkSubPage) {
        OnNextDialog([kind](QWidget* dialog) {
            auto* form = qobject_cast<TNewPageForm*>(dialog);
            ASSERT_NE(form, nullptr);
            form->KindButton(kind)->setChecked(true);
            form->accept();
        });
        Form->NewSubPage1Click();
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : Form->Project().Index.Pages)
            names.push_back(entry->Name);
        return names;
    }
    std::string SourceFile(const std::string& name) const {
        return Base + "/AutoRunSource/" + name + ".pg";
    }
    void Select(int tab) { Form->PageTabs()->setCurrentIndex(tab); }
};

} // namespace brelvane::test
