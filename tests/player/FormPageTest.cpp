#include "objects/controls/AgreementOptions.h"
#include "objects/controls/AuSecurityEdit.h"
#include "objects/records/AgreementPayload.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ObjectKinds.h"
#include "platform/MessageBoxes.h"
#include "player/PlayerProject.h"
#include "player/RecordingShell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

using platform::ShellRequest;

// Message boxes answered and written down as "caption: text".
struct MessageLog {
    std::vector<std::string> Shown;
    platform::MessageResponder Previous;
    MessageLog() {
        Previous = platform::SetMessageResponder(
            [this](platform::TMessageKind kind, const QString& caption, const QString& text) {
                EXPECT_EQ(kind, platform::TMessageKind::Information);
                Shown.push_back((caption + ": " + text).toStdString());
                return true;
            });
    }
    ~MessageLog() { platform::SetMessageResponder(Previous); }
};

TEditPayload& EditOf(TAutoObject& object) {
    return static_cast<TEditPayload&>(*object.Payload);
}
TAgreementPayload& OptionOf(TAutoObject& object) {
    return static_cast<TAgreementPayload&>(*object.Payload);
}

TAutoObject& AddEdit(TPageRecord& page, const std::string& accurate, std::int32_t allowRetry = 0) {
    auto& edit = *AddObjectRecord(page.Objects, okEdit, 10, 10);
    EditOf(edit).AccurateText = accurate;
    EditOf(edit).AllowRetry = allowRetry;
    return edit;
}

TAutoObject& AddOption(TPageRecord& page, std::uint8_t kind, bool needCheck, bool checked,
                       const std::string& file = "") {
    auto& option = *AddObjectRecord(page.Objects, kind, 10, 40);
    OptionOf(option).NeedCheck = needCheck;
    OptionOf(option).Checked = checked;
    option.Props.SelectForOpenRun = file;
    return option;
}

void AddButton(TPageRecord& page, std::uint8_t duty) {
    auto& button = *AddObjectRecord(page.Objects, okButton, 10, 100);
    static_cast<TButtonPayload&>(*button.Payload).ButtonType = duty;
}

// The page's live object of `kind`, the `index`th of that kind in page order.
template <class Control> Control& ControlOf(TAutoRunForm& form, std::uint8_t kind, int index = 0) {
    for (auto& object : form.Page().Objects)
        if (object->Kind == kind && index-- == 0) return dynamic_cast<Control&>(*object->Control);
    throw std::logic_error("no such object");
}

QLineEdit& EditorOf(TAutoRunForm& form, int index = 0) {
    return ControlOf<TAuSecurityEdit>(form, okEdit, index).Editor();
}

// A click on the page's button with `duty`, through the page's click handler.
void Press(TAutoRunForm& form, std::uint8_t duty) {
    for (auto& object : form.Page().Objects)
        if (object->Payload->ButtonDuty() == duty) {
            auto& control = dynamic_cast<TObjectWidget&>(*object->Control);
            emit control.Clicked(&control);
            return;
        }
    ADD_FAILURE() << "no button with duty " << int{duty};
}

void Type(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

// A shown page built from `page`, with its messages and shell requests recorded.
struct FormFixture {
    PlayerProject Project;
    RecordingShell Shell;
    MessageLog Messages;
    TAutoRunForm Form;
    int Closed = 0;

    explicit FormFixture(const TPageRecord& page) {
        Project.AddPage(page);
        EXPECT_TRUE(Form.BuildPage(page.PageName, TPageReadMode::Build));
        QObject::connect(&Form, &TAutoRunForm::Closed, [this] { ++Closed; });
        Form.show();
        QApplication::setActiveWindow(&Form);
        QApplication::processEvents();
    }
    std::string Base() { return Project.File(""); }
};

// The widget the Tab key moves the focus to from `widget`.
QWidget* NextStop(QWidget* widget) {
    for (QWidget* next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(next->window())) return next;
    return nullptr;
}

TEST(FormPage, KeyboardOrderIsTheStoredOneWhateverThePageOrder) {
    auto page = TestPage("Main", pkMainPage);
    AddButton(page, btSubmit);
    AddEdit(page, "").Payload->SetTabOrder(1);
    AddOption(page, okCheckBox, false, false).Payload->SetTabOrder(0);
    AddEdit(page, "").Payload->SetTabOrder(2);
    FormFixture f(page);
    QWidget* check = &ControlOf<TAuAgreementCheck>(f.Form, okCheckBox).Button();
    QWidget* first = &EditorOf(f.Form, 0);
    QWidget* second = &EditorOf(f.Form, 1);
    EXPECT_EQ(NextStop(check), first);
    EXPECT_EQ(NextStop(first), second);
    EXPECT_EQ(NextStop(second), check);
    // The first stop has the focus when the page comes up.
    EXPECT_EQ(QApplication::focusWidget(), check);
}

TEST(FormPage, AFullEditBoxHandsTheFocusToTheNextOne) {
    auto page = TestPage("Main", pkMainPage);
    // Page order differs from the keyboard order on purpose.
    auto& second = AddEdit(page, "");
    second.Payload->SetTabOrder(1);
    auto& first = AddEdit(page, "");
    first.Payload->SetTabOrder(0);
    EditOf(first).MaxLength = EditOf(second).MaxLength = 4;
    FormFixture f(page);
    QLineEdit& firstBox = EditorOf(f.Form, 1);
    QLineEdit& secondBox = EditorOf(f.Form, 0);
    ASSERT_EQ(QApplication::focusWidget(), &firstBox);
    Type("123");
    EXPECT_EQ(QApplication::focusWidget(), &firstBox);
    Type("4");
    EXPECT_EQ(QApplication::focusWidget(), &secondBox);
    Type("5678");
    EXPECT_EQ(QApplication::focusWidget(), &secondBox);
    EXPECT_EQ(firstBox.text(), "1234");
    EXPECT_EQ(secondBox.text(), "5678");
}

TEST(FormPage, AThirdEditBoxTakesTheFocusFromTheSecond) {
    auto page = TestPage("Main", pkMainPage);
    for (int i = 0; i < 3; ++i)
        EditOf(AddEdit(page, "")).MaxLength = 2;
    FormFixture f(page);
    EditorOf(f.Form, 0).setFocus();
    Type("abcd");
    EXPECT_EQ(QApplication::focusWidget(), &EditorOf(f.Form, 2));
    EXPECT_EQ(EditorOf(f.Form, 1).text(), "cd");
}

TEST(FormPage, WrongTextsUpToTheLimitThenTheFailedMessageAndResultZero) {
    auto page = TestPage("Main", pkMainPage);
    auto& edit = AddEdit(page, "secret", 3);
    EditOf(edit).FailedCaption = "Locked";
    AddButton(page, btSubmit);
    FormFixture f(page);
    f.Form.Result = true;
    EditorOf(f.Form).setText("guess");
    for (int attempt = 1; attempt <= 3; ++attempt) {
        Press(f.Form, btSubmit);
        EXPECT_TRUE(f.Form.isVisible()) << attempt;
    }
    Press(f.Form, btSubmit);
    EXPECT_EQ(f.Messages.Shown, (std::vector<std::string>{
                                    "Invalid: Invalid text, please retry.",
                                    "Invalid: Invalid text, please retry.",
                                    "Invalid: Invalid text, please retry.",
                                    "Locked: Invalid text, exit.",
                                }));
    EXPECT_EQ(f.Closed, 1);
    EXPECT_FALSE(f.Form.Result);
    EXPECT_TRUE(f.Shell.Requests.empty());
}

TEST(FormPage, WithoutALimitWrongTextsNeverClose) {
    auto page = TestPage("Main", pkMainPage);
    AddEdit(page, "secret");
    AddButton(page, btSubmit);
    FormFixture f(page);
    for (int attempt = 0; attempt < 12; ++attempt)
        Press(f.Form, btSubmit);
    EXPECT_EQ(f.Messages.Shown.size(), 12u);
    EXPECT_EQ(f.Closed, 0);
    EXPECT_TRUE(f.Form.isVisible());
}

TEST(FormPage, OnlyTheFirstFailureInPageOrderIsShown) {
    auto page = TestPage("Main", pkMainPage);
    AddOption(page, okCheckBox, true, false);
    AddEdit(page, "right");
    AddButton(page, btSubmit);
    FormFixture f(page);
    EditorOf(f.Form).setText("wrong");
    Press(f.Form, btSubmit);
    EXPECT_EQ(f.Messages.Shown,
              (std::vector<std::string>{"Invalid: Please select the check box."}));
    ControlOf<TAuAgreementCheck>(f.Form, okCheckBox).SetChecked(true);
    Press(f.Form, btSubmit);
    EXPECT_EQ(f.Messages.Shown.back(), "Invalid: Invalid text, please retry.");
    EXPECT_EQ(f.Messages.Shown.size(), 2u);
    EXPECT_EQ(f.Closed, 0);
}

TEST(FormPage, SuccessOpensTheSelectedFilesInPageOrderAndCloses) {
    auto page = TestPage("Main", pkMainPage);
    AddEdit(page, "pass");
    AddOption(page, okCheckBox, false, false, "extra.exe");
    auto& radio = AddOption(page, okRadioButton, true, true, "setup.exe");
    radio.Props.SelectForOpenRunParams = "/q";
    radio.Props.SelectForOpenRunDir = "bin";
    radio.Props.SelectForOpenRunWait = "Y";
    AddOption(page, okCheckBox, true, true, "\\docs\\readme.txt");
    AddButton(page, btSubmit);
    FormFixture f(page);
    EditorOf(f.Form).setText("pass");
    Press(f.Form, btSubmit);
    EXPECT_TRUE(f.Messages.Shown.empty());
    const std::vector<ShellRequest> expected = {
        {"open", f.Base() + "setup.exe", "/q", f.Base() + "bin", 1},
        {"open", f.Base() + "docs/readme.txt", "", PlayerEnvironment().Source.BaseFolder, 1},
    };
    EXPECT_EQ(f.Shell.Requests, expected);
    EXPECT_EQ(f.Shell.Waited, (std::vector<bool>{true, false}));
    EXPECT_EQ(f.Closed, 1);
    EXPECT_TRUE(f.Form.Result);
}

TEST(FormPage, OkAndCancelCloseWithoutChecking) {
    for (const auto duty : {btOK, btCancel}) {
        auto page = TestPage("Main", pkMainPage);
        AddEdit(page, "secret");
        AddOption(page, okCheckBox, true, true, "setup.exe");
        AddButton(page, duty);
        FormFixture f(page);
        f.Form.Result = duty != btOK;
        Press(f.Form, duty);
        EXPECT_TRUE(f.Messages.Shown.empty());
        EXPECT_TRUE(f.Shell.Requests.empty());
        EXPECT_EQ(f.Closed, 1);
        EXPECT_EQ(f.Form.Result, duty == btOK);
    }
}

// The security page as the start sequence runs it: modal, then its Result.
bool RunSecurityPage(const std::vector<std::string>& attempts) {
    PlayerProject project;
    MessageLog messages;
    auto page = TestPage("Password", pkSecurityForm);
    AddEdit(page, "open sesame", 1);
    AddButton(page, btSubmit);
    project.AddPage(page);
    TAutoRunForm form;
    EXPECT_TRUE(form.BuildPage("Password", TPageReadMode::Build));
    WhenShown("Password", [&attempts](TAutoRunForm& shown) {
        for (const auto& text : attempts) {
            EditorOf(shown).setText(QString::fromStdString(text));
            Press(shown, btSubmit);
        }
    });
    form.ShowModal();
    return form.Result;
}

TEST(FormPage, SecurityPageLetsTheMenuGoOnOnlyWithTheRightPassword) {
    EXPECT_FALSE(RunSecurityPage({"guess", "again"}));
    EXPECT_TRUE(RunSecurityPage({"guess", "open sesame"}));
    EXPECT_TRUE(RunSecurityPage({"open sesame"}));
}

} // namespace
} // namespace brelvane::test
