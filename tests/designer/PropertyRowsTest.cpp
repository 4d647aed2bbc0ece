// Every row of the page and of every kind that can be stored, driven by the
// stored records' own field lists: each field has a row or is named below as
// one the list leaves alone, and a value set through the editor changes
// exactly the fields its row names in the saved page stream.
#include "designer/PropertyRows.h"

#include "SurfaceFixture.h"
#include "designer/FontForm.h"
#include "designer/PropertyEditor.h"
#include "dialogs/ActionEditorForm.h"
#include "dialogs/ActionFileEditForm.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/RichEditorForm.h"
#include "dialogs/SelectColorForm.h"
#include "dialogs/TextEditorForm.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "storage/FieldWalker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <map>
#include <set>

namespace brelvane::test {
namespace {

// Stored fields as dotted paths with their values; a list is one value.
class FieldDump final : public TFieldVisitor {
public:
    std::map<std::string, std::string> Values;

    void Field(const char* name, const TNumber& value) override {
        Put(name, std::to_string(value.Value));
    }
    void Field(const char* name, bool value) override { Put(name, value ? "true" : "false"); }
    void Field(const char* name, double value) override { Put(name, std::to_string(value)); }
    void Field(const char* name, const std::string& value) override { Put(name, "'" + value); }
    void Field(const char* name, const TPicture& value) override {
        Put(name, std::string(PictureClassName(value.Kind)) + ":" +
                      std::string(value.Data.begin(), value.Data.end()));
    }
    void BeginRecord(const char* name) override {
        if (listDepth_ == 0) path_.push_back(name ? name : "");
    }
    void EndRecord() override {
        if (listDepth_ == 0) path_.pop_back();
    }
    void BeginList(const char* name) override {
        if (listDepth_++ == 0) {
            listPath_ = Joined(name);
            Values[listPath_] = "[";
        }
    }
    void EndList() override { --listDepth_; }

private:
    std::string Joined(const char* name) const {
        std::string path;
        for (const auto& part : path_)
            path += part + ".";
        return path + name;
    }
    void Put(const char* name, const std::string& value) {
        if (listDepth_ > 0)
            Values[listPath_] += value + ",";
        else
            Values[Joined(name)] = value;
    }
    std::vector<std::string> path_;
    std::string listPath_;
    int listDepth_ = 0;
};

// The page as a saved stream reads it back: its own fields, or those of one object.
std::map<std::string, std::string> SavedFields(const TPageRecord& page, int object) {
    TMemoryStream stream;
    EXPECT_TRUE(WritePage(stream, page));
    stream.Seek(0);
    TPageRecord read;
    EXPECT_TRUE(ReadPage(stream, read, TPageReadMode::Build, {}));
    FieldDump dump;
    TFieldWalker walker(dump);
    if (object < 0)
        Fields(walker, read);
    else
        Fields(walker, *read.Objects.at(static_cast<std::size_t>(object)));
    return dump.Values;
}

bool Claims(const TPropertyRow& row, const std::string& path) {
    for (const auto& field : row.Fields)
        if (path == field || path.rfind(field + ".", 0) == 0) return true;
    return false;
}

// Fields the property list leaves alone: window details it does not offer,
// reserved values, run-time looks, cursor numbers and the parts of the action
// record that belong to other actions' dialogs.
const std::set<std::string> kPageLeftAlone = {"BorderWidth",
                                              "Position",
                                              "WindowState",
                                              "PageKind",
                                              "Reserved31",
                                              "Reserved32",
                                              "Reserved33",
                                              "Reserved34",
                                              "Objects",
                                              "StartAction.ShowCommand",
                                              "StartAction.ActionParams",
                                              "StartAction.ActionDir",
                                              "StartAction.SelectForOpenRun",
                                              "StartAction.SelectForOpenRunParams",
                                              "StartAction.SelectForOpenRunDir",
                                              "StartAction.SelectForOpenRunWait",
                                              "StartAction.WindowMoveHandle",
                                              "StartAction.Enabled",
                                              "StartAction.Visible",
                                              "StartAction.GroupName",
                                              "StartAction.CheckStyleInGroup",
                                              "StartAction.Checked",
                                              "StartAction.Name",
                                              "StartAction.ClickSound",
                                              "StartAction.MouseDownSound",
                                              "StartAction.MouseUpSound",
                                              "StartAction.MouseEnterSound",
                                              "StartAction.MouseLeaveSound"};

const std::set<std::string> kObjectLeftAlone = {"Kind",
                                                "Props.ShowCommand",
                                                "Props.ActionParams",
                                                "Props.ActionDir",
                                                "Payload.CursorNumber",
                                                "Payload.Align",
                                                "Payload.Quality",
                                                "Payload.LabelEffect",
                                                "Payload.Fonts",
                                                "Payload.FontEffect.Texture.Enabled",
                                                "Payload.HotLink.FontEffect.Texture.Enabled",
                                                "Payload.HotLink.Address",
                                                "Payload.PressedLook",
                                                "Payload.HoverLook",
                                                "Payload.DisplayedState",
                                                "Payload.Active",
                                                "Payload.Fade",
                                                "Payload.ReservedValue",
                                                "Payload.ReservedText1",
                                                "Payload.ReservedText2",
                                                "Payload.Reserved",
                                                "Payload.ReservedByte",
                                                "Payload.Unused",
                                                "Payload.BorderWidth",
                                                "Payload.PlainText",
                                                "Payload.Settings.FirstByte",
                                                "Payload.Settings.FileName",
                                                "Payload.Settings.Spare",
                                                "Payload.Settings.SpareNumber",
                                                "Payload.HotTrackStyles",
                                                "Payload.ColumnClick",
                                                "Payload.HideSelection",
                                                "Payload.ShowColumnHeaders",
                                                "Payload.SortType"};

// The fields of the comment, sounds and action sections, which some kinds lack.
const std::set<std::string> kCommentFields = {"Payload.Hint",
                                              "Props.Comment",
                                              "Props.CommentViewer",
                                              "GraphicComment",
                                              "Props.GraphicCommentViewer",
                                              "PopupMenu"};
const std::set<std::string> kSoundFields = {"Props.ClickSound",      "Props.MouseEnterSound",
                                            "Props.MouseLeaveSound", "Props.MouseDownSound",
                                            "Props.MouseUpSound",    "Props.Cursor"};
const std::set<std::string> kActionFields = {"Props.ActionType", "Props.ActionFile",
                                             "Props.CloseAfterAction"};

// Fields some kinds show and others leave alone.
bool LeftAloneFor(std::uint8_t kind, const std::string& path) {
    const bool selectsFile = kind == okRadioButton || kind == okCheckBox;
    if (!selectsFile && path.rfind("Props.SelectForOpenRun", 0) == 0) return true;
    if (!HasCheckGroupRows(kind) && (path == "Props.CheckStyleInGroup" || path == "Props.Checked"))
        return true;
    // The hosted players show only the position section, the lists no action section.
    const bool positionOnly = kind == okAVI || kind == okExplorer || kind == okFlash;
    if (positionOnly && (kCommentFields.count(path) || kSoundFields.count(path))) return true;
    if ((positionOnly || kind >= okListBox) && kActionFields.count(path)) return true;
    // The rich-text box keeps its fonts in its content.
    if (kind == okRichText && path.rfind("Payload.Font", 0) == 0) return true;
    // Text and simple text never size themselves in the designer.
    if (path == "Payload.AutoSize" && (kind == okText || kind == okSimpleText)) return true;
    if (path == "Props.WindowMoveHandle")
        return kind != okImage && kind != okLabel && kind != okSimpleText && kind != okShape;
    // Of a fading label the list shows only the common sections.
    return kind == okFadeLabel && (path.rfind("Payload.", 0) == 0 || path == "Props.Name") &&
           path != "Payload.Hint" && path != "Payload.Left" && path != "Payload.Top" &&
           path != "Payload.Width" && path != "Payload.Height";
}

// Makes a change in a colour, picture, text or rich-text editor and accepts
// it; false for other dialogs.
bool ChangeInSmallEditor(QWidget* dialog) {
    if (auto* color = qobject_cast<TSelectColorForm*>(dialog)) {
        color->SetChosen(color->Chosen() == 0x123456 ? 0x654321 : 0x123456);
    } else if (auto* image = qobject_cast<TImageEditorForm*>(dialog)) {
        image->TakePicture(image->Picture().Empty() ? test::SamplePicture(TPictureKind::Gif)
                                                    : TPicture{});
    } else if (auto* text = qobject_cast<TTextEditorForm*>(dialog)) {
        text->Memo()->appendPlainText("more");
    } else if (auto* rich = qobject_cast<TRichEditorForm*>(dialog)) {
        rich->Editor()->insertPlainText("more");
    } else if (auto* entry = qobject_cast<TActionFileEditForm*>(dialog)) {
        entry->WaitBox()->click();
    } else {
        return false;
    }
    static_cast<QDialog*>(dialog)->accept();
    return true;
}

// A value other than the row's present one, as a user would give it.
QString OtherValue(const TPropertyRow& row) {
    const QString now = row.Text();
    switch (row.Editor) {
    case TRowEditor::Choice:
        for (const auto& choice : row.Offered())
            if (choice != now) return choice;
        return now;
    case TRowEditor::Number: {
        const auto value = row.Number();
        return QString::number(value < row.Maximum ? value + 1 : value - 1);
    }
    default:
        return row.Caption == "PasswordChar" ? QString("*") : now + "x";
    }
}

struct PropertyRowsTest : ::testing::Test, SurfaceFixture {
    TPropertyEditor& Editor() { return Form->PropertyEditor(); }
    TPageRecord& Page() { return Form->Host().Model()->Page(); }

    // Sets every editable row of the list once and checks the saved fields.
    void EditEveryRow(int object, std::uint8_t kind) {
        const auto& leftAlone = object < 0 ? kPageLeftAlone : kObjectLeftAlone;
        // Every stored field has its row.
        for (const auto& [path, value] : SavedFields(Page(), object)) {
            if (leftAlone.count(path) || (object >= 0 && LeftAloneFor(kind, path))) continue;
            const auto& rows = Editor().Rows();
            EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                                    [&path](const auto& row) { return Claims(row, path); }))
                << "no row for " << path << " of kind " << int(kind);
        }
        for (std::size_t i = 0; i < Editor().Rows().size(); ++i) {
            const auto& row = Editor().Rows()[i];
            const std::string caption = row.Caption.toStdString();
            if (!row.Editable() || (row.Editor == TRowEditor::Dialog && !row.HasEllipsis()))
                continue;
            const auto before = SavedFields(Page(), object);
            std::vector<std::string> fields = row.Fields;
            // An object that sizes itself to its text takes a new size with it.
            if (before.count("Payload.AutoSize") && before.at("Payload.AutoSize") == "true")
                fields.insert(fields.end(), {"Payload.Width", "Payload.Height"});
            const QString value = OtherValue(row);
            if (value == row.Text()) {
                // A choice without another value: only the viewer lists of an empty page.
                EXPECT_TRUE(row.Offered().empty()) << caption;
                continue;
            }
            const int at = static_cast<int>(i);
            if (row.Editor == TRowEditor::Dialog) {
                OnNextDialog([](QWidget* dialog) {
                    // The action settings rows open the action editor: another type.
                    if (auto* action = qobject_cast<TActionEditorForm*>(dialog)) {
                        auto* types = action->ActionList();
                        types->setCurrentIndex((types->currentIndex() + 1) % types->count());
                        action->accept();
                        return;
                    }
                    if (ChangeInSmallEditor(dialog)) return;
                    // The item editors: one item more.
                    auto* add = dialog->findChild<QPushButton*>("AddRootButton");
                    if (!add) add = dialog->findChild<QPushButton*>("AddButton");
                    if (add && !qobject_cast<TFontForm*>(dialog)) {
                        add->click();
                        static_cast<QDialog*>(dialog)->accept();
                        return;
                    }
                    auto* form = qobject_cast<TFontForm*>(dialog);
                    if (!form) static_cast<QDialog*>(dialog)->reject();
                    ASSERT_NE(form, nullptr);
                    auto* colors = form->ColorBox();
                    colors->setCurrentIndex((colors->currentIndex() + 1) % colors->count());
                    form->accept();
                });
                Editor().ValueEditEditButtonClick(at);
            } else if (row.Editor == TRowEditor::Number || row.AppliedOnLeave) {
                EXPECT_TRUE(Editor().ValueEditValidate(at, value)) << caption;
            } else {
                Editor().ValueEditStringsChange(at, value);
            }
            const auto after = SavedFields(Page(), object);
            std::vector<std::string> changed;
            for (const auto& [path, saved] : after)
                if (before.at(path) != saved) changed.push_back(path);
            EXPECT_FALSE(changed.empty()) << caption << " of kind " << int(kind);
            for (const auto& path : changed)
                EXPECT_TRUE(std::any_of(fields.begin(), fields.end(),
                                        [&path](const std::string& field) {
                                            return path == field || path.rfind(field + ".", 0) == 0;
                                        }))
                    << caption << " changed " << path << " of kind " << int(kind);
        }
    }
};

TEST_F(PropertyRowsTest, EveryPageRowChangesExactlyItsField) {
    AddPage();
    Select(0);
    Editor().FillProperties();
    ASSERT_EQ(Editor().Target(), nullptr);
    EditEveryRow(-1, 0);
    EXPECT_EQ(Boxes.Shown, std::vector<std::string>{});
}

TEST_F(PropertyRowsTest, EveryRowOfEveryStoredKindChangesExactlyItsField) {
    // Viewers for the comment rows to choose.
    Add("ToolButton_Label", {300, 300});
    Add("ToolButton_Image", {300, 360});
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        if (!PayloadCodecOf(static_cast<std::uint8_t>(kind))) continue;
        auto* model = Form->Host().Model();
        for (auto& object : Page().Objects)
            object->Selected = false;
        auto* object = AddObject(*model, static_cast<std::uint8_t>(kind), 40, 40);
        ASSERT_NE(object, nullptr) << kind;
        Editor().FillProperties();
        ASSERT_EQ(Editor().Target(), object);
        EditEveryRow(static_cast<int>(Page().Objects.size()) - 1, static_cast<std::uint8_t>(kind));
    }
    EXPECT_EQ(Boxes.Shown, std::vector<std::string>{});
}

TEST(KindRowTables, EveryKindWithAStoredPayloadHasRowsAndNoOtherKindHas) {
    for (int kind = 0; kind < kObjectKindCount; ++kind)
        EXPECT_EQ(HasKindRows(static_cast<std::uint8_t>(kind)),
                  PayloadCodecOf(static_cast<std::uint8_t>(kind)) != nullptr)
            << KindName(static_cast<std::uint8_t>(kind));
}

} // namespace
} // namespace brelvane::test
