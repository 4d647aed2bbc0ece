#include "designer/ActionPickers.h"
#include "designer/DesignerProject.h"
#include "designer/ItemEditorRows.h"
#include "designer/ProjectPickers.h"
#include "designer/PropertyRows.h"
#include "designer/SurfaceObjects.h"
#include "dialogs/ActionEditorForm.h"
#include "dialogs/MenuEditorForm.h"
#include "dialogs/SelectGroupForm.h"
#include "objects/records/ObjectKinds.h"
#include "project/PageRecord.h"

#include <algorithm>

namespace brelvane {

namespace {
// Object rows name fields of the object record, page rows fields of the page.
std::string CommandPath(const TRowContext& context, const char* field) {
    return std::string(context.Object ? "Props." : "StartAction.") + field;
}

TCommand& CommandOf(TRowContext& context) {
    return context.Object ? context.Object->Props : context.Page.StartAction;
}

// A row that chooses one of `choices` for a text field; a value outside them
// is shown as it is stored.
TPropertyRow NameChoiceRow(const QString& caption, std::string& field,
                           std::function<QStringList()> choices, std::string path) {
    TPropertyRow row = TextRow(caption, field, std::move(path));
    row.Editor = TRowEditor::Choice;
    row.Choices = std::move(choices);
    row.Apply = [&field, offered = row.Choices](const QString& text) {
        if (!offered().contains(text)) return false;
        field = ToAnsi(text);
        return true;
    };
    return row;
}

TPropertyRow FixedRow(const QString& caption, std::function<QString()> text, std::string path) {
    TPropertyRow row;
    row.Caption = caption;
    row.Fields = {std::move(path)};
    row.Text = std::move(text);
    return row;
}

TPropertyRow DisabledRow(const QString& caption) {
    TPropertyRow row;
    row.Caption = caption;
    row.Look = TRowLook::Disabled;
    row.Text = [] { return QString(); };
    return row;
}

QStringList CommentViewers(const TPageRecord& page) {
    QStringList viewers;
    for (std::size_t i = 0; i < page.StatusPanels.size(); ++i)
        viewers << "StatusBar[" + QString::number(i) + "]";
    return viewers + NamesOfKinds(page, {okLabel, okText, okScrollText, okTextBox, okSimpleText});
}

QStringList PageNamesFor(const TRowContext& context, bool withMainPage) {
    QStringList names;
    const auto* current = context.Project.Entry(context.Project.CurrentPageIndex);
    for (const auto& entry : context.Project.Index.Pages) {
        if (entry.get() == current) continue;
        if (entry->Kind == pkSubPage || (withMainPage && entry->Kind == pkMainPage))
            names << FromAnsi(entry->Name);
    }
    return names;
}

// The settings row of an action edited by a dialog: the action editor, which
// may change the action's type and every field the action's dialogs keep.
TPropertyRow SettingsRow(TRowContext& context, const QString& caption, TCommand& action) {
    const auto& field = action.ActionFile;
    TPropertyRow row =
        DialogRow(caption, [&field] { return Placeholder(!field.empty(), "Settings"); }, {});
    row.Fields = {CommandPath(context, "ActionType"), CommandPath(context, "ShowCommand"),
                  CommandPath(context, "ActionFile"), CommandPath(context, "ActionParams"),
                  CommandPath(context, "ActionDir")};
    row.FollowUps |= fuRows;
    return EditorRow(std::move(row), context, action, EditAction);
}

// The parameter row of an action type.
TPropertyRow ParameterRow(TRowContext& context, TCommand& action, const std::string& path) {
    auto& file = action.ActionFile;
    auto& pickers = context.Pickers;
    switch (action.ActionType) {
    case 1:
        return SettingsRow(context, "FileName(s)", action);
    case 2:
        return TextRow("WebSiteURL", file, path);
    case 3:
        return TextRow("EmailAddress", file, path);
    case 4:
        return FileRow("SoundFile", file, path, pickers, kAllFilesFilter);
    case 5:
        return FileRow("FileName", file, path, pickers, kAllFilesFilter);
    case 6:
        return SuggestRow(
            "PageName", file, [&context] { return PageNamesFor(context, false); }, path);
    case 7:
        return FolderRow("Folder", file, path, pickers);
    case 12:
        return SuggestRow(
            "PageName", file, [&context] { return PageNamesFor(context, true); }, path);
    case 13:
        return FileRow("ImageFile", file, path, pickers, kPictureFilter);
    case 14:
        return FileRow("MediaFile", file, path, pickers, kAllFilesFilter);
    case 15:
        return SettingsRow(context, "Folder", action);
    case 16:
        return TextRow("Message", file, path);
    case 17:
        return SettingsRow(context, "File/Folder", action);
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
        return SuggestRow("ObjectName", file,
                          NamesOfKindsLater(context.Page, okSlideShow, okMediaPlayer), path);
    case 26:
        return SettingsRow(context, "Object/File", action);
    case 27:
        return SettingsRow(context, "Objects", action);
    case 28:
        return SettingsRow(context, "Actions", action);
    default:
        return DisabledRow("FileName");
    }
}

bool ClosesAfterAction(std::uint8_t type) {
    return (type >= 1 && type <= 3) || type == 5 || type == 7 || (type >= 13 && type <= 17);
}
} // namespace

void AddCommentRows(TRowContext& context, TPropertyRows& rows) {
    auto& command = CommandOf(context);
    const auto first = rows.size();
    TPropertyRow cursor = FileRow("Cursor", command.Cursor, CommandPath(context, "Cursor"),
                                  context.Pickers, kCursorFilter);
    cursor.Look = TRowLook::Cursor;
    rows.push_back(std::move(cursor));
    auto* object = context.Object;
    if (object) {
        rows.push_back(TextRow("Hint", object->Payload->Hint, "Payload.Hint"));
        rows.push_back(TextEditorRow("Comment", command.Comment, "Props.Comment"));
        rows.push_back(NameChoiceRow(
            "CommentViewer", command.CommentViewer,
            [&page = context.Page] { return CommentViewers(page); }, "Props.CommentViewer"));
        rows.push_back(PictureRow("GraphicComment", object->GraphicComment, "GraphicComment"));
        rows.push_back(NameChoiceRow("GraphicCommentViewer", command.GraphicCommentViewer,
                                     NamesOfKindsLater(context.Page, okImage),
                                     "Props.GraphicCommentViewer"));
    } else {
        auto& page = context.Page;
        rows.push_back(TextRow("Hint", page.Hint, "Hint"));
        rows.push_back(FixedRow(
            "Comment", [&command] { return Placeholder(!command.Comment.empty(), "Text"); },
            "StartAction.Comment"));
        rows.push_back(FixedRow(
            "CommentViewer", [&command] { return FromAnsi(command.CommentViewer); },
            "StartAction.CommentViewer"));
        rows.push_back(FixedRow(
            "GraphicComment", [&page] { return PictureText(page.GraphicComment); },
            "GraphicComment"));
        rows.push_back(FixedRow(
            "GraphicCommentViewer", [&command] { return FromAnsi(command.GraphicCommentViewer); },
            "StartAction.GraphicCommentViewer"));
    }
    auto& popup = object ? object->PopupMenu : context.Page.PopupMenu;
    rows.push_back(EditorRow(
        DialogRow("PopupMenu (Right Click)",
                  [&popup] { return Placeholder(!popup.empty(), "MenuItems"); }, {"PopupMenu"}),
        context, popup, EditMenuItems));
    rows[first].Section = TRowSection::Comment;
}

void AddVisibilityRows(TRowContext& context, bool checkGroup, TPropertyRows& rows) {
    auto& props = context.Object->Props;
    const auto first = rows.size();
    rows.push_back(BoolRow("Visible", props.Visible, "Props.Visible"));
    rows.push_back(BoolRow("Enabled", props.Enabled, "Props.Enabled"));
    const auto groups = [&objects = context.Page.Objects] {
        QStringList names;
        for (const auto& name : GroupNamesOf(objects))
            names << FromAnsi(name);
        return names;
    };
    TPropertyRow group = SuggestRow("GroupName", props.GroupName, groups, "Props.GroupName");
    group.FollowUps = fuGroups;
    rows.push_back(std::move(group));
    if (checkGroup) {
        rows.push_back(
            BoolRow("CheckStyleInGroup", props.CheckStyleInGroup, "Props.CheckStyleInGroup"));
        rows.push_back(BoolRow("Checked", props.Checked, "Props.Checked"));
    }
    rows[first].Section = TRowSection::Visibility;
}

void AddSoundRows(TRowContext& context, TPropertyRows& rows) {
    const auto first = rows.size();
    if (auto* object = context.Object) {
        auto& props = object->Props;
        const std::pair<const char*, std::string*> sounds[] = {
            {"ClickSound", &props.ClickSound},
            {"MouseEnterSound", &props.MouseEnterSound},
            {"MouseLeaveSound", &props.MouseLeaveSound},
            {"MouseDownSound", &props.MouseDownSound},
            {"MouseUpSound", &props.MouseUpSound}};
        for (const auto& [name, field] : sounds)
            rows.push_back(FileRow(name, *field, std::string("Props.") + name, context.Pickers,
                                   kAllFilesFilter));
    } else {
        auto& page = context.Page;
        rows.push_back(
            FileRow("StartSound", page.StartSound, "StartSound", context.Pickers, kAllFilesFilter));
        rows.push_back(BoolRow("StartSoundLoop", page.StartSoundLoop, "StartSoundLoop"));
        rows.push_back(
            NumberRow("StartSoundDelay (s)", page.StartSoundDelay, "StartSoundDelay", 0));
    }
    rows[first].Section = TRowSection::Sounds;
}

void AddPositionRows(TRowContext& context, TPropertyRows& rows) {
    const auto first = rows.size();
    if (auto* object = context.Object) {
        auto& payload = *object->Payload;
        const std::pair<const char*, std::int32_t TPayload::*> bounds[] = {
            {"Left", &TPayload::Left},
            {"Top", &TPayload::Top},
            {"Width", &TPayload::Width},
            {"Height", &TPayload::Height}};
        for (const auto& [name, member] : bounds) {
            const bool size = member == &TPayload::Width || member == &TPayload::Height;
            TPropertyRow row = NumberRow(name, payload.*member, std::string("Payload.") + name,
                                         size ? 2 : INT32_MIN);
            row.SetNumber = [object, member = member](std::int64_t value) {
                TBounds moved = BoundsOf(*object);
                const std::int32_t v = static_cast<std::int32_t>(value);
                if (member == &TPayload::Left) moved.Left = v;
                if (member == &TPayload::Top) moved.Top = v;
                if (member == &TPayload::Width) moved.Width = v;
                if (member == &TPayload::Height) moved.Height = v;
                SetBounds(*object, moved);
            };
            rows.push_back(std::move(row));
        }
    } else {
        auto& page = context.Page;
        rows.push_back(FixedRow(
            "Left", [&page] { return QString::number(page.Left); }, "Left"));
        rows.push_back(FixedRow(
            "Top", [&page] { return QString::number(page.Top); }, "Top"));
        for (const auto& [name, field] :
             {std::pair<const char*, std::int32_t*>{"Width", &page.Width},
              {"Height", &page.Height}}) {
            TPropertyRow row = NumberRow(name, *field, name, 2);
            row.FollowUps = fuPageSize | fuFrame;
            rows.push_back(std::move(row));
        }
    }
    rows[first].Section = TRowSection::Position;
}

void AddActionRows(TRowContext& context, TCommand& action, TPropertyRows& rows) {
    const std::string prefix = context.Object ? "Props." : "StartAction.";
    TPropertyRow choice = ChoiceRow(context.Object ? "ClickAction" : "Start Action",
                                    action.ActionType, kActionNames, prefix + "ActionType");
    choice.Fields = {prefix + "ActionType", prefix + "ActionFile", prefix + "ActionParams",
                     prefix + "ActionDir", prefix + "CloseAfterAction"};
    choice.Apply = [&action](const QString& text) {
        for (const auto& name : kActionNames) {
            if (text != QLatin1String(name.Text)) continue;
            if (action.ActionType == name.Value) return true;
            action.ActionType = static_cast<std::uint8_t>(name.Value);
            action.ActionFile.clear();
            action.ActionParams.clear();
            action.ActionDir.clear();
            action.CloseAfterAction = 0;
            return true;
        }
        return false;
    };
    choice.FollowUps = fuRows;
    choice.Section = TRowSection::Action;
    rows.push_back(std::move(choice));
    rows.push_back(ParameterRow(context, action, prefix + "ActionFile"));
    if (ClosesAfterAction(action.ActionType))
        rows.push_back(ChoiceRow("CloseAfterAction", action.CloseAfterAction, kBoolChoices,
                                 prefix + "CloseAfterAction"));
    else
        rows.push_back(DisabledRow("CloseAfterAction"));
}

bool HasCheckGroupRows(std::uint8_t kind) {
    return kind == okButton || kind == okImageButton || kind == okImage || kind == okSimpleText;
}

TPropertyRows PropertyRowsOf(TRowContext& context) {
    // Room for the longest list (a link's), so that no row is moved while it grows.
    constexpr std::size_t kLongestList = 112;
    TPropertyRows rows;
    rows.reserve(kLongestList);
    auto* object = context.Object;
    if (!object) {
        AddPageRows(context, rows);
        AddCommentRows(context, rows);
        AddSoundRows(context, rows);
        AddPositionRows(context, rows);
        AddActionRows(context, context.Page.StartAction, rows);
        return rows;
    }
    AddKindRows(context, rows);
    AddVisibilityRows(context, HasCheckGroupRows(object->Kind), rows);
    const std::uint8_t kind = object->Kind;
    if (kind == okAVI || kind == okExplorer || kind == okFlash) {
        AddPositionRows(context, rows);
        return rows;
    }
    AddCommentRows(context, rows);
    AddSoundRows(context, rows);
    AddPositionRows(context, rows);
    if (kind < okListBox) AddActionRows(context, object->Props, rows);
    return rows;
}

} // namespace brelvane
