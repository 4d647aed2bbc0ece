#include "designer/DesignerFixture.h"
#include "designer/ExeFileInfoForm.h"
#include "designer/GroupList.h"
#include "designer/NewLibPageForm.h"
#include "designer/PageHost.h"
#include "designer/ProjectSaver.h"
#include "designer/PropertyEditor.h"
#include "designer/PublishForm.h"
#include "designer/SelectPageForm.h"
#include "designer/SurfaceClipboard.h"
#include "designer/SurfaceImage.h"
#include "designer/SurfaceObjects.h"
#include "dialogs/ActionEditorForm.h"
#include "dialogs/ActionGroupForm.h"
#include "dialogs/ActionIcons.h"
#include "dialogs/ColorPalette.h"
#include "dialogs/ColumnPanelForm.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/ItemActionPanel.h"
#include "dialogs/ListItemsForm.h"
#include "dialogs/MenuEditorForm.h"
#include "dialogs/SelectColorForm.h"
#include "dialogs/ShowHideForm.h"
#include "dialogs/ToolButtonsForm.h"
#include "dialogs/ViewItemsForm.h"
#include "objects/records/ItemListPayloads.h"
#include "objects/records/ListViewPayload.h"
#include "player/AutoRunForm.h"
#include "project/ClipboardObjects.h"
#include "project/PageStream.h"
#include "project/TargetFile.h"
#include "render/PictureImage.h"
#include "storage/TextFiles.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/VersionStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

std::string TextOf(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Starts `program` in `folder` and waits up to `seconds` for it to end by
// itself: its exit status, or -1 when it had to be stopped.
int ExitStatusWithin(const std::string& program, const std::string& folder, int seconds) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (::chdir(folder.c_str()) != 0) ::_exit(126);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    for (int waited = 0; waited < seconds * 10; ++waited) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid, SIGTERM);
    ::waitpid(pid, &status, 0);
    return -1;
}

// True when `program`, started in `folder`, is still running after `seconds`
// (a player that cannot load its project ends at once).
bool RunsFor(const std::string& program, const std::string& folder, int seconds) {
    return ExitStatusWithin(program, folder, seconds) == -1;
}

// Replaces an edit's text by typing, as a user does.
void Retype(QLineEdit* edit, const char* text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The property list of the designer, driven through its cells as a user does.
struct PropertyCells {
    TPropertyEditor& Editor;
    QTableWidget& List() { return *Editor.ValueEdit(); }
    QWidget* Open(const char* caption) {
        const int row = Editor.RowOf(caption);
        EXPECT_GE(row, 0) << caption;
        List().setCurrentCell(row, 1);
        if (!Editor.CellEditor()) List().editItem(List().item(row, 1));
        return Editor.CellEditor();
    }
    QLineEdit* Type(const char* caption, const char* text) {
        auto* editor = Open(caption);
        auto* line = qobject_cast<QLineEdit*>(editor);
        // Rows with suggestions edit in a drop-down's line.
        if (auto* combo = qobject_cast<QComboBox*>(editor); combo && !line)
            line = combo->lineEdit();
        EXPECT_NE(line, nullptr) << caption;
        if (!line) return nullptr;
        Retype(line, text);
        return line;
    }
    // Chooses from a drop-down with the keyboard: `keys` pressed one after another.
    void Choose(const char* caption, std::initializer_list<Qt::Key> keys) {
        for (const auto key : keys) {
            auto* combo = qobject_cast<QComboBox*>(Open(caption));
            ASSERT_NE(combo, nullptr) << caption;
            QTest::keyClick(combo, key);
            // A new action rebuilds the rows once the drop-down has returned.
            QCoreApplication::processEvents();
        }
    }
    QString Shown(const char* caption) { return List().item(Editor.RowOf(caption), 1)->text(); }
    void Leave() { List().setCurrentCell(0, 0); }
};

int Shell(const std::string& command) {
    return std::system(command.c_str());
}

TEST(DesignerEndToEnd, NewProjectToSavedTargetThatThePlayerPlays) {
    DesignerFixture f(BRELVANE_PROGRAM);
    f.NewProject();
    f.AddPage();
    f.AddPage();
    ASSERT_EQ(f.Names(), (std::vector<std::string>{"Main Page", "Sub Page", "Sub Page1"}));
    f.Select(2);
    f.Form->DeleteSubPage1Click();
    ASSERT_EQ(f.Names(), (std::vector<std::string>{"Main Page", "Sub Page"}));
    f.Select(1);
    f.Select(0);

    // On the main page, with the grid of 8 and snapping on.
    f.Form->show();
    f.Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Form.get()));
    ASSERT_EQ(f.Form->Settings().GridSizeX, 8);
    ASSERT_TRUE(f.Form->Settings().SnapToGrid);
    auto& surface = *f.Form->EditForm();
    QWidget* image = surface.Image1Widget();
    for (const auto& [button, at] : {std::pair{"ToolButton_Shape", QPoint(21, 21)},
                                     std::pair{"ToolButton_Button", QPoint(100, 37)},
                                     std::pair{"ToolButton_Label", QPoint(30, 200)}}) {
        f.Form->Action(button)->trigger();
        QTest::mouseClick(image, Qt::LeftButton, {}, at);
    }
    QTest::mousePress(image, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(image, {300, 260});
    QTest::mouseRelease(image, Qt::LeftButton, {}, {300, 260});
    ASSERT_EQ(surface.SelectedCount(), 3);
    f.Form->Action("AlignLeft1")->trigger();
    auto* keys = surface.KeySink();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(keys, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_C, Qt::ControlModifier);
    const auto clipboard = ObjectsOnClipboard();
    ASSERT_TRUE(clipboard);
    QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(surface.ObjectCount(), 6);
    QTest::keyClick(keys, Qt::Key_Delete);
    ASSERT_EQ(surface.ObjectCount(), 3);
    // The property list: a width that is no number stops the save.
    PropertyCells cells{f.Form->PropertyEditor()};
    auto* selector = cells.Editor.ComboBox1();
    ASSERT_EQ(selector->itemText(2), "Button1");
    cells.Editor.ComboBox1Change(2);
    ASSERT_EQ(cells.Editor.Rows().front().Caption, "Name");
    ASSERT_EQ(cells.Shown("Name"), "Button1");
    auto* width = cells.Type("Width", "12a");
    ASSERT_NE(width, nullptr);
    const std::size_t shownBefore = f.Boxes.Shown.size();
    QTest::keyClick(width, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(f.Boxes.Shown.size(), shownBefore + 1);
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: \"12a\" is not a valid value.");
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    EXPECT_FALSE(fs::exists(f.SourceFile("Main Page")));
    cells.Type("Width", "150");
    cells.Leave();
    EXPECT_EQ(cells.Shown("Width"), "150");
    cells.Choose("ClickAction", {Qt::Key_End, Qt::Key_Up});
    EXPECT_EQ(cells.Shown("ClickAction"), "Exit");
    EXPECT_EQ(cells.Editor.Rows()[cells.Editor.RowOf("FileName")].Look, TRowLook::Disabled);
    // The page: its caption, fade and start action.
    cells.Editor.ComboBox1Change(0);
    ASSERT_EQ(cells.Shown("PageName"), "Main Page");
    cells.Type("Caption", "E2E");
    cells.Leave();
    cells.Choose("FadeIn", {Qt::Key_Up, Qt::Key_Down});
    EXPECT_EQ(cells.Shown("FadeIn"), "True");
    cells.Type("FadeInStep (%)", "50");
    cells.Leave();
    EXPECT_EQ(cells.Shown("FadeInStep (%)"), "50");
    cells.Choose("Start Action", {Qt::Key_End, Qt::Key_Up});
    EXPECT_EQ(cells.Shown("Start Action"), "Exit");
    EXPECT_EQ(f.Form->UndoHistory().NextUndo(f.Form->Project().Entry(0))->Label, "Start Action");
    // A colour picked on the colour editor's palette and a picture through the image editor.
    OnNextDialog([](QWidget* dialog) {
        auto* colors = qobject_cast<TSelectColorForm*>(dialog);
        if (!colors) static_cast<QDialog*>(dialog)->reject();
        ASSERT_NE(colors, nullptr);
        QTest::mouseClick(colors->Palette(), Qt::LeftButton, {}, PaletteLayout().White.center());
        colors->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("BackColor"));
    EXPECT_EQ(cells.Shown("BackColor"), "White");
    OnNextDialog([](QWidget* dialog) {
        auto* images = qobject_cast<TImageEditorForm*>(dialog);
        if (!images) static_cast<QDialog*>(dialog)->reject();
        ASSERT_NE(images, nullptr);
        images->TakePicture(PngPrototype());
        images->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("BackImage"));
    EXPECT_EQ(cells.Shown("BackImage"), "[PNGImage]");
    // The sub page's menu bar, status bar and tool bar through their editors.
    f.Select(1);
    cells.Editor.ComboBox1Change(0);
    OnNextDialog([](QWidget* dialog) {
        auto* menu = static_cast<TMenuEditorForm*>(dialog);
        menu->AddRootButton()->click();
        Retype(menu->CaptionEdit(), "Help");
        menu->AddSubButton()->click();
        Retype(menu->CaptionEdit(), "About");
        menu->ShortCutBox()->setCurrentIndex(menu->ShortCutBox()->findText("F1"));
        // Its picture through the image editor.
        OnNextDialog([](QWidget* editor) {
            auto* images = qobject_cast<TImageEditorForm*>(editor);
            if (!images) return static_cast<QDialog*>(editor)->reject();
            images->TakePicture(PngPrototype());
            images->accept();
        });
        menu->SelectImageButton()->click();
        auto* actions = menu->ActionPanel()->ActionList();
        actions->setCurrentIndex(actions->findText("Show Message"));
        menu->ActionPanel()->FileBox()->lineEdit()->setText("Made with Brelvane");
        menu->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("MenuBarItems"));
    EXPECT_EQ(cells.Shown("MenuBarItems"), "[Items]");
    OnNextDialog([](QWidget* dialog) {
        auto* panels = static_cast<TColumnPanelForm*>(dialog);
        panels->AddButton()->click();
        panels->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("StatusBarPanels"));
    OnNextDialog([](QWidget* dialog) {
        auto* buttons = static_cast<TToolButtonsForm*>(dialog);
        buttons->AddButton()->click();
        buttons->AddSeparatorButton()->click();
        buttons->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("ToolBarButtons"));
    EXPECT_EQ(cells.Shown("ToolBarButtons"), "[Buttons]");
    // Back on the main page, a list box and its items.
    f.Select(0);
    f.Form->Action("ToolButton_ListBox")->trigger();
    QTest::mouseClick(image, Qt::LeftButton, {}, {360, 40});
    ASSERT_EQ(surface.ObjectCount(), 4);
    cells.Editor.ComboBox1Change(4);
    OnNextDialog([](QWidget* dialog) {
        auto* items = static_cast<TListItemsForm*>(dialog);
        items->AddButton()->click();
        items->AddButton()->click();
        Retype(items->CaptionEdit(), "Second");
        items->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("Items"));
    EXPECT_EQ(cells.Shown("Items"), "[Items]");
    // A list view in report style: two columns and an item with its cell.
    f.Form->Action("ToolButton_ListView")->trigger();
    QTest::mouseClick(image, Qt::LeftButton, {}, {360, 200});
    ASSERT_EQ(surface.ObjectCount(), 5);
    cells.Editor.ComboBox1Change(5);
    cells.Choose("ViewStyle", {Qt::Key_End});
    EXPECT_EQ(cells.Shown("ViewStyle"), "Report");
    OnNextDialog([](QWidget* dialog) {
        auto* columns = static_cast<TColumnPanelForm*>(dialog);
        columns->AddButton()->click();
        Retype(columns->CaptionEdit(), "Title");
        columns->AddButton()->click();
        Retype(columns->CaptionEdit(), "Pages");
        columns->AlignmentBox()->setCurrentIndex(columns->AlignmentBox()->findText("Right"));
        columns->WidthSpin()->setValue(64);
        columns->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("ReportColumns"));
    EXPECT_EQ(cells.Shown("ReportColumns"), "[Columns]");
    OnNextDialog([](QWidget* dialog) {
        auto* items = static_cast<TViewItemsForm*>(dialog);
        items->AddButton()->click();
        Retype(items->CaptionEdit(), "Manual");
        items->SubItemsMemo()->setPlainText("312");
        items->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("Items"));
    EXPECT_EQ(cells.Shown("Items"), "[Items]");
    const QImage designed = surface.Image1();
    ASSERT_TRUE(f.Form->Save1Click());
    f.Form->CreateTargetFile();
    EXPECT_FALSE(f.Form->Project().ProjectModified);
    // The designer's version is its own program's; the saved player carries the same one.
    EXPECT_FALSE(f.Form->DesignerVersion().empty());
    EXPECT_EQ(ReadFileVersion(f.Base + "/autorun.exe"), f.Form->DesignerVersion());
    EXPECT_TRUE(f.Form->close());
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: Target file \"autorun.tgt\" created.");

    // The files, byte for byte.
    EXPECT_EQ(TextOf(f.Base + "/autorun.inf"),
              "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
    EXPECT_EQ(ReadFileBytes(f.Base + "/autorun.exe"), ReadFileBytes(BRELVANE_PROGRAM));
    struct stat info {};
    ASSERT_EQ(::stat((f.Base + "/autorun.exe").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
    EXPECT_EQ(ReadFileBytes(f.Base + "/autorun.ico"), ReadFileBytes(f.Program + "/Default.ico"));
    TProjectIndex index;
    ASSERT_TRUE(LoadIndexFile(IndexPathOf(f.Base), index, TTrailer::Read));
    ASSERT_EQ(index.Pages.size(), 2u);
    TProjectIndex target;
    ASSERT_TRUE(ReadTargetFile(f.Base + "/autorun.tgt", target));
    // The index was saved before the target file gave its pages Offsets.
    TProjectIndex saved;
    ASSERT_TRUE(ReadTargetFile(f.Base + "/autorun.tgt", saved));
    for (auto& entry : saved.Pages)
        entry->Offset = 0;
    TMemoryStream expected;
    ASSERT_TRUE(WriteProjectIndex(expected, saved));
    WriteIndexTrailer(expected);
    EXPECT_EQ(ReadFileBytes(IndexPathOf(f.Base)), expected.Bytes());
    for (std::size_t i = 0; i < index.Pages.size(); ++i) {
        const auto& entry = *index.Pages[i];
        TPageRecord fromSource;
        TPageRecord fromTarget;
        ASSERT_TRUE(
            LoadPage({dsProjectSource, f.Base, {}}, entry, fromSource, TPageReadMode::Build, {}));
        ASSERT_TRUE(LoadPage({dsTargetFile, f.Base, {}}, *target.Pages[i], fromTarget,
                             TPageReadMode::Build, {}));
        TMemoryStream a, b;
        ASSERT_TRUE(WritePage(a, fromSource));
        ASSERT_TRUE(WritePage(b, fromTarget));
        EXPECT_EQ(a.Bytes(), b.Bytes()) << entry.Name;
        EXPECT_EQ(a.Bytes(), ReadFileBytes(SourcePagePath(f.Base, entry.Name))) << entry.Name;
    }
    EXPECT_EQ(fs::directory_iterator(f.Base + "/AutoRunSource") != fs::directory_iterator(), true);
    EXPECT_FALSE(fs::exists(SourcePagePath(f.Base, "Sub Page1")));
    EXPECT_TRUE(fs::is_empty(f.Program + "/Temp"));
    EXPECT_NE(TextOf(f.Program + "/Brelvane.ini").find("DefaultPath=" + f.Base), std::string::npos);

    // The saved player plays the project, whose start action ends it, and every page renders.
    EXPECT_EQ(ExitStatusWithin(f.Base + "/autorun.exe", f.Base, 20), 0);
    for (const char* page : {"Main Page", "Sub Page"})
        EXPECT_EQ(Shell(std::string("QT_QPA_PLATFORM=offscreen '") + BRELVANE_TOOL + "' render '" +
                        f.Base + "' '" + page + "' '" + f.Root.File(page) + ".png'"),
                  0)
            << page;
    // The main page as placed on the surface, and the copy the clipboard held.
    TPageRecord main;
    ASSERT_TRUE(LoadPageFile(SourcePagePath(f.Base, "Main Page"), main, TPageReadMode::Build, {}));
    ASSERT_EQ(main.Objects.size(), 5u);
    EXPECT_EQ(main.Caption, "E2E");
    EXPECT_TRUE(main.FadeIn);
    EXPECT_EQ(main.FadeInStep, 128);
    EXPECT_EQ(main.StartAction.ActionType, 9);
    EXPECT_EQ(main.BackColor, 0xffffff);
    EXPECT_EQ(main.BackImage, PngPrototype());
    EXPECT_EQ(main.Objects[1]->Payload->Width, 150);
    EXPECT_EQ(main.Objects[1]->Props.ActionType, 9);
    const std::tuple<const char*, int, int> placed[] = {
        {"Shape1", 27, 24}, {"Button1", 27, 40}, {"Label1", 27, 200}};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& [name, left, top] = placed[i];
        EXPECT_EQ(main.Objects[i]->Props.Name, name);
        EXPECT_EQ(main.Objects[i]->Payload->Left, left) << name;
        EXPECT_EQ(main.Objects[i]->Payload->Top, top) << name;
    }
    const auto& listBox = static_cast<const TListBoxPayload&>(*main.Objects[3]->Payload);
    ASSERT_EQ(listBox.Items.size(), 2u);
    EXPECT_EQ(listBox.Items[1].Caption, "Second");
    const auto& listView = static_cast<const TListViewPayload&>(*main.Objects[4]->Payload);
    EXPECT_EQ(listView.ViewStyle, vsReport);
    ASSERT_EQ(listView.Columns.size(), 2u);
    EXPECT_EQ(listView.Columns[0].Caption, "Title");
    EXPECT_EQ(listView.Columns[0].Alignment, caLeft);
    EXPECT_EQ(listView.Columns[0].Width, 100);
    EXPECT_EQ(listView.Columns[1].Caption, "Pages");
    EXPECT_EQ(listView.Columns[1].Alignment, caRight);
    EXPECT_EQ(listView.Columns[1].Width, 64);
    ASSERT_EQ(listView.Items.size(), 1u);
    EXPECT_EQ(listView.Items[0].Caption, "Manual");
    EXPECT_EQ(listView.Items[0].SubItems, "312\r\n");
    TPageRecord sub;
    ASSERT_TRUE(LoadPageFile(SourcePagePath(f.Base, "Sub Page"), sub, TPageReadMode::Build, {}));
    ASSERT_EQ(sub.MenuBar.size(), 1u);
    EXPECT_EQ(sub.MenuBar[0].Caption, "Help");
    ASSERT_EQ(sub.MenuBar[0].Items.size(), 1u);
    EXPECT_EQ(sub.MenuBar[0].Items[0].ShortCut, 0x70);
    // The picture became a bitmap of its size.
    EXPECT_EQ(sub.MenuBar[0].Items[0].Bitmap.Kind, TPictureKind::Bitmap);
    EXPECT_EQ(PictureImageOf(sub.MenuBar[0].Items[0].Bitmap)->Size(),
              PictureImageOf(PngPrototype())->Size());
    ASSERT_EQ(sub.StatusPanels.size(), 1u);
    EXPECT_EQ(sub.StatusPanels[0].Text, "New Panel");
    ASSERT_EQ(sub.ToolButtons.size(), 2u);
    EXPECT_TRUE(sub.ToolButtons[1].Separator);
    // The pages as the tool shows them carry them too.
    for (const auto& [page, shown] :
         {std::pair{"Sub Page", "\"About\""}, std::pair{"Sub Page", "\"New Panel\""},
          std::pair{"Sub Page", "\"New Button\""}, std::pair{"Main Page", "\"Second\""},
          std::pair{"Main Page", "\"Pages\""}, std::pair{"Main Page", "\"Manual\""}}) {
        const auto pageJson = f.Root.File("page.json");
        ASSERT_EQ(Shell(std::string("'") + BRELVANE_TOOL + "' page '" +
                        SourcePagePath(f.Base, page) + "' > '" + pageJson + "'"),
                  0);
        EXPECT_NE(TextOf(pageJson).find(shown), std::string::npos) << page << shown;
    }
    const auto clipped = ReadClipboardObjects(*clipboard);
    EXPECT_FALSE(clipped.Damaged);
    EXPECT_EQ(clipped.Objects.size(), 3u);
    // The shape looks the same on the surface and in the player.
    const auto mainPng = f.Root.File("main.png");
    ASSERT_EQ(Shell(std::string("QT_QPA_PLATFORM=offscreen '") + BRELVANE_TOOL + "' render '" +
                    f.Base + "' 'Main Page' '" + mainPng + "'"),
              0);
    QImage played(QString::fromStdString(mainPng));
    ASSERT_EQ(played.size(), QSize(main.Width, main.Height));
    const auto& shape = *main.Objects[0]->Payload;
    const QRect inset =
        QRect(shape.Left, shape.Top, shape.Width, shape.Height).adjusted(4, 4, -4, -4);
    EXPECT_EQ(designed.copy(inset).convertToFormat(QImage::Format_RGB32),
              played.copy(inset).convertToFormat(QImage::Format_RGB32));

    if (const char* out = std::getenv("BRELVANE_E2E_OUT")) {
        fs::create_directories(out);
        for (const char* folder : {"project", "program"})
            fs::copy(f.Root.File(folder), std::string(out) + "/" + folder,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        WriteFileBytes(std::string(out) + "/clipboard.bin", *clipboard);
    }
}

TEST(DesignerEndToEnd, TemplatesAndGroupsReachTheSavedPageAndThePlayer) {
    DesignerFixture f(BRELVANE_PROGRAM);
    f.NewProject();
    f.AddPage();
    f.Select(0);
    f.Form->show();
    f.Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Form.get()));
    auto& surface = *f.Form->EditForm();
    QWidget* image = surface.Image1Widget();
    const auto out = std::getenv("BRELVANE_E2E_OUT");

    // 1. The main page becomes a page template through the manager.
    OnNextDialog([&](QWidget* dialog) {
        auto* form = qobject_cast<TSelectPageForm*>(dialog);
        ASSERT_NE(form, nullptr);
        form->Button("Add")->click();
        if (out) dialog->grab().save(QString(out) + "/page-template-manager.png");
        form->Button("OK")->click();
    });
    f.Form->Action("PageTemplate1")->trigger();
    const std::string normal = f.Program + "/Templates/Pages/Normal";
    TMemoryStream mainPage;
    ASSERT_TRUE(WritePage(mainPage, f.Form->Host().Model()->Page()));
    EXPECT_EQ(ReadFileBytes(normal + "/001"), mainPage.Bytes());
    EXPECT_EQ(fs::file_size(normal + "/Icons/001"), 36918u);

    // 2. Button1 goes into a new group "E2E" as Button001.
    f.Form->Action("ToolButton_Button")->trigger();
    QTest::mouseClick(image, Qt::LeftButton, {}, {100, 37});
    ASSERT_EQ(surface.SelectedCount(), 1);
    OnNextDialog([](QWidget* dialog) {
        auto* form = qobject_cast<TNewLibPageForm*>(dialog);
        ASSERT_NE(form, nullptr);
        QTest::keyClicks(form->Edit1(), "E2E");
        form->accept();
    });
    f.Form->Action("CreateNewLibPage1")->trigger();
    f.Form->Action("SaveObjectToLib1")->trigger();
    auto& pane = f.Form->TemplatePane();
    ASSERT_EQ(pane.Group(), "E2E");
    ASSERT_EQ(pane.ListView2()->count(), 1);
    EXPECT_EQ(pane.ListView2()->item(0)->text(), "Button001");
    EXPECT_EQ(fs::file_size(f.Program + "/Templates/Objects/E2E/Icons/Button001"), 9270u);

    // 3. Dropped twice on "Sub Page", with a label beside them.
    f.Select(1);
    ASSERT_TRUE(DragTemplateItem(pane, 0, image, {40, 40}));
    ASSERT_TRUE(DragTemplateItem(pane, 0, image, {40, 100}));
    f.Form->Action("ToolButton_Label")->trigger();
    QTest::mouseClick(image, Qt::LeftButton, {}, {40, 200});
    auto& objects = f.Form->Host().Model()->Page().Objects;
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]->Props.Name, "Button1");
    EXPECT_EQ(objects[1]->Props.Name, "Button2");
    EXPECT_EQ(objects[2]->Props.Name, "Label1");

    // 4. Group names typed into the property list.
    PropertyCells cells{f.Form->PropertyEditor()};
    for (const auto& [row, group] : {std::pair{1, "G"}, std::pair{3, "H"}}) {
        cells.Editor.ComboBox1Change(row);
        cells.Type("GroupName", group);
        cells.Leave();
    }
    auto& groups = f.Form->GroupList();
    ASSERT_EQ(groups.Boxes().size(), 2u);

    // 5. "G" hidden on the page, then all shown; its objects set invisible; saved.
    f.Form->Action("GroupList1")->trigger();
    groups.Box("G")->click();
    EXPECT_FALSE(IsShown(*objects[0]));
    EXPECT_TRUE(IsShown(*objects[1]));
    if (out) {
        QCoreApplication::processEvents();
        f.Form->grab().save(QString(out) + "/group-list.png");
        f.Form->TemplatePane().grab().save(QString(out) + "/template-pane.png");
    }
    groups.SpeedButton1()->click();
    EXPECT_TRUE(IsShown(*objects[0]));
    f.Form->ChooseGroups = [](QWidget*, const QString&, const std::vector<std::string>& names) {
        EXPECT_EQ(names, (std::vector<std::string>{"G", "H"}));
        return std::optional<std::vector<std::string>>(std::vector<std::string>{"G"});
    };
    f.Form->SetVisibleFalseInGroup1Click();
    EXPECT_TRUE(IsShown(*objects[0])); // the design view stays
    ASSERT_TRUE(f.Form->Save1Click());
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);

    // 6. Saved: only Button1 is invisible, and the player draws it not.
    TPageRecord sub;
    ASSERT_TRUE(LoadPageFile(SourcePagePath(f.Base, "Sub Page"), sub, TPageReadMode::Build, {}));
    ASSERT_EQ(sub.Objects.size(), 3u);
    EXPECT_FALSE(sub.Objects[0]->Props.Visible);
    EXPECT_TRUE(sub.Objects[1]->Props.Visible);
    EXPECT_TRUE(sub.Objects[2]->Props.Visible);
    const auto png = f.Root.File("sub.png");
    ASSERT_EQ(Shell(std::string("QT_QPA_PLATFORM=offscreen '") + BRELVANE_TOOL + "' render '" +
                    f.Base + "' 'Sub Page' '" + png + "'"),
              0);
    const QImage played(QString::fromStdString(png));
    ASSERT_FALSE(played.isNull());
    const auto rectOf = [](const TAutoObject& object) {
        const auto& p = *object.Payload;
        return QRect(p.Left, p.Top, p.Width, p.Height);
    };
    // Where Button1 lies the page looks as it does further right, where nothing lies.
    const auto emptyBeside = [&](const QRect& rect) {
        return played.copy(rect) == played.copy(rect.translated(300, 0));
    };
    EXPECT_TRUE(emptyBeside(rectOf(*sub.Objects[0])));
    EXPECT_FALSE(emptyBeside(rectOf(*sub.Objects[1])));
    if (out) {
        fs::create_directories(out);
        fs::copy_file(png, std::string(out) + "/sub-page-played.png",
                      fs::copy_options::overwrite_existing);
    }
}

// Picks `name` in an action editor's list.
void ChooseAction(TActionEditorForm& editor, const char* name) {
    auto* list = editor.ActionList();
    list->setCurrentIndex(list->findText(name));
}

// Ticks the row `name` of a show/hide list.
void Tick(QListWidget* list, const char* name) {
    const auto rows = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1) << name;
    rows.front()->setCheckState(Qt::Checked);
}

QImage IconImage(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(DesignerEndToEnd, AnActionGroupThatShowsAMessageAndHidesAGroupIsSavedAndPlayed) {
    DesignerFixture f(BRELVANE_PROGRAM);
    f.NewProject();
    f.Form->show();
    f.Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Form.get()));
    auto& surface = *f.Form->EditForm();
    QWidget* image = surface.Image1Widget();
    for (const QPoint at : {QPoint(100, 37), QPoint(100, 120)}) {
        f.Form->Action("ToolButton_Button")->trigger();
        QTest::mouseClick(image, Qt::LeftButton, {}, at);
    }
    ASSERT_EQ(surface.ObjectCount(), 2);
    const char* out = std::getenv("BRELVANE_E2E_OUT");
    if (out) fs::create_directories(out);
    const auto keep = [out](QWidget* dialog, const char* name) {
        if (out) dialog->grab().save(QString(out) + "/" + name + ".png");
    };

    // Button2 joins the group "Extras"; Button1's click becomes an action group.
    PropertyCells cells{f.Form->PropertyEditor()};
    cells.Editor.ComboBox1Change(2);
    cells.Type("GroupName", "Extras");
    cells.Leave();
    cells.Editor.ComboBox1Change(1);
    ASSERT_EQ(cells.Shown("Name"), "Button1");
    cells.Choose("ClickAction", {Qt::Key_End});
    ASSERT_EQ(cells.Shown("ClickAction"), "Action Group");
    EXPECT_EQ(cells.Shown("Actions"), "[None]");

    // The row opens the action editor on the command, whose "..." opens the
    // group: a message, then the show/hide dialog hiding the group and Button2.
    bool groupSeen = false;
    const auto editGroup = [&](QWidget* dialog) {
        auto* group = qobject_cast<TActionGroupForm*>(dialog);
        if (!group) static_cast<QDialog*>(dialog)->reject();
        ASSERT_NE(group, nullptr);
        OnNextDialog([&](QWidget* opened) {
            auto* editor = static_cast<TActionEditorForm*>(opened);
            ChooseAction(*editor, "Show Message");
            editor->FileBox()->lineEdit()->setText("Hello");
            keep(editor, "action-editor");
            editor->accept();
        });
        group->AddButton()->click();
        OnNextDialog([&](QWidget* opened) {
            auto* editor = static_cast<TActionEditorForm*>(opened);
            ChooseAction(*editor, "Show/Hide Enable/Disable Objects");
            EXPECT_EQ(editor->FileBox()->currentText(), "[None]");
            OnNextDialog([&](QWidget* lists) {
                auto* showHide = static_cast<TShowHideForm*>(lists);
                EXPECT_EQ(showHide->List(1)->count(), 1);
                EXPECT_EQ(showHide->List(5)->count(), 2);
                Tick(showHide->List(1), "Extras");
                Tick(showHide->List(5), "Button2");
                keep(showHide, "show-hide");
                showHide->accept();
            });
            editor->BrowseButton()->click();
            EXPECT_EQ(editor->FileBox()->currentText(), "[Settings]");
            editor->accept();
        });
        group->AddButton()->click();
        auto* rows = group->List();
        EXPECT_EQ(rows->topLevelItemCount(), 2);
        if (rows->topLevelItemCount() == 2) {
            EXPECT_EQ(rows->topLevelItem(0)->text(1), "Hello");
            EXPECT_EQ(rows->topLevelItem(1)->text(0), "Show/Hide Enable/Disable Objects");
            EXPECT_EQ(rows->topLevelItem(1)->text(1), "[Settings]");
            EXPECT_EQ(IconImage(rows->topLevelItem(1)->icon(0)), IconImage(ActionIcon(27)));
        }
        keep(group, "action-group");
        groupSeen = true;
        group->accept();
    };
    OnNextDialog([&](QWidget* dialog) {
        auto* editor = qobject_cast<TActionEditorForm*>(dialog);
        if (!editor) static_cast<QDialog*>(dialog)->reject();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->FileLabel()->text(), "Actions:");
        EXPECT_EQ(editor->FileBox()->currentText(), "[None]");
        OnNextDialog(editGroup);
        editor->BrowseButton()->click();
        EXPECT_EQ(editor->FileBox()->currentText(), "[Settings]");
        keep(editor, "action-editor-group");
        editor->accept();
    });
    cells.Editor.ValueEditEditButtonClick(cells.Editor.RowOf("Actions"));
    ASSERT_TRUE(groupSeen);
    EXPECT_EQ(cells.Shown("Actions"), "[Settings]");
    ASSERT_TRUE(f.Form->Save1Click());
    f.Form->CreateTargetFile();
    EXPECT_TRUE(f.Form->close());
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);

    // The saved command, byte for byte: two grouped commands, the second
    // holding the eight show/hide lists.
    TPageRecord main;
    ASSERT_TRUE(LoadPageFile(SourcePagePath(f.Base, "Main Page"), main, TPageReadMode::Build, {}));
    ASSERT_EQ(main.Objects.size(), 2u);
    EXPECT_EQ(main.Objects[1]->Props.GroupName, "Extras");
    const auto& action = main.Objects[0]->Props;
    EXPECT_EQ(action.ActionType, 28);
    EXPECT_EQ(action.ActionFile, std::string("16\x03"
                                             "1\x03"
                                             "Hello\x03\x03\x03 \x04"
                                             "27\x03"
                                             "1\x03"
                                             "\x01"
                                             "Extras\r\n\x01\x01\x01\x01"
                                             "Button2\r\n\x01\x01\x01\x03\x03\x03 \x04"));
    // The player loads the project and plays it until stopped.
    EXPECT_TRUE(RunsFor(f.Base + "/autorun.exe", f.Base, 3));
}

// Opens Save and Publish, picks a target and presses OK; true when the dialog
// closed as published. With BRELVANE_E2E_OUT set the dialog is kept as a picture.
bool PublishThrough(DesignerFixture& f, const char* target) {
    bool closed = false;
    OnNextDialog([&](QWidget* dialog) {
        auto* button = dialog->findChild<QRadioButton*>(target);
        ASSERT_NE(button, nullptr) << target;
        ASSERT_TRUE(button->isEnabled()) << target;
        button->setChecked(true);
        if (const char* out = std::getenv("BRELVANE_E2E_OUT")) {
            fs::create_directories(out);
            dialog->grab().save(QString::fromStdString(std::string(out) + "/" + target + ".png"));
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>("OK"), Qt::LeftButton);
        closed = !dialog->isVisible();
        if (!closed) qobject_cast<QDialog*>(dialog)->reject();
    });
    f.Form->Action("SaveandPublish1")->trigger();
    return closed;
}

TEST(DesignerEndToEnd, SavedProjectPublishedToAFolderAnImageAndOneExecutablePlays) {
    DesignerFixture f(BRELVANE_PROGRAM);
    f.ProvideRuntime();
    fs::copy_file(BRELVANE_LAUNCHER, f.Program + "/AutoRunLauncher");
    f.NewProject();
    f.AddPage();
    f.Form->Host().Model()->Page().Caption = "Published";
    f.Form->SetModified(true);
    ASSERT_TRUE(f.Form->Save1Click());
    const auto folder = f.Root.File("Published");
    const auto image = f.Root.File("disc.iso");
    f.Dialogs->Folders.push_back(folder);
    f.Form->AskSaveFileName = [&](QWidget*, const QString& filter) -> std::optional<std::string> {
        EXPECT_EQ(filter, "ISO File (*.iso)|*.iso");
        return image;
    };
    // "Edit File Information..." relabels the player; the dialog shows the new text.
    OnNextDialog([&](QWidget* dialog) {
        auto* publish = qobject_cast<TPublishForm*>(dialog);
        ASSERT_NE(publish, nullptr);
        OnNextDialog([&](QWidget* opened) {
            auto* info = qobject_cast<TExeFileInfoForm*>(opened);
            ASSERT_NE(info, nullptr);
            info->CompanyName()->setText("Published Company");
            if (const char* out = std::getenv("BRELVANE_E2E_OUT")) {
                fs::create_directories(out);
                info->grab().save(QString::fromStdString(std::string(out) + "/ExeFileInfo.png"));
            }
            QTest::mouseClick(info->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QTest::mouseClick(publish->findChild<QPushButton*>("EditFileInformation"), Qt::LeftButton);
        EXPECT_EQ(publish->CompanyName()->text(), "Published Company");
        publish->reject();
    });
    f.Form->Action("SaveandPublish1")->trigger();
    ASSERT_TRUE(PublishThrough(f, "FolderTarget"));
    ASSERT_TRUE(PublishThrough(f, "BurnTarget"));
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);

    // The folder: the root files and the target file, no project source.
    const std::string inf = "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n";
    EXPECT_EQ(TextOf(folder + "/autorun.inf"), inf);
    EXPECT_EQ(ReadFileBytes(folder + "/autorun.tgt"), ReadFileBytes(f.Base + "/autorun.tgt"));
    EXPECT_EQ(ReadFileBytes(folder + "/autorun.exe"), ReadFileBytes(f.Base + "/autorun.exe"));
    std::string description, company, copyright;
    ASSERT_TRUE(ReadVersionStrings(folder + "/autorun.exe", description, company, copyright));
    EXPECT_EQ(company, "Published Company");
    struct stat info {};
    ASSERT_EQ(::stat((folder + "/autorun").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
    EXPECT_FALSE(fs::exists(folder + "/AutoRunSource"));
    EXPECT_TRUE(fs::exists(folder + "/AutoRunRuntime/plugins/platforms/libqoffscreen.so"));
    // Without the source the published player plays the target file, with
    // the window plug-in that only its runtime folder holds.
    EXPECT_TRUE(RunsFor(folder + "/autorun.exe", folder, 3));

    // The image, read by isoinfo rather than by the program that wrote it.
    const auto iso = "'" + image + "'";
    EXPECT_EQ(OutputOf("isoinfo -R -i " + iso + " -x /autorun.inf"), inf);
    const auto listing = OutputOf("isoinfo -R -l -i " + iso);
    EXPECT_EQ(listing.find("AutoRunSource"), std::string::npos) << listing;
    const auto script = listing.find(" autorun \n");
    ASSERT_NE(script, std::string::npos) << listing;
    EXPECT_EQ(listing.substr(listing.rfind('\n', script) + 1, 10), "-rwxr-xr-x") << listing;
    // The image's tree, unpacked, plays too.
    const auto unpacked = f.Root.File("FromImage");
    ASSERT_EQ(Shell("xorriso -osirrox on -indev " + iso + " -extract / '" + unpacked +
                    "' >/dev/null 2>&1"),
              0);
    EXPECT_EQ(ReadFileBytes(unpacked + "/autorun.tgt"), ReadFileBytes(f.Base + "/autorun.tgt"));
    EXPECT_TRUE(RunsFor(unpacked + "/autorun.exe", unpacked, 3));

    // One executable: its launcher unpacks the player with its runtime into
    // the temporary folder, plays, and leaves nothing there once stopped.
    const auto exe = f.Root.File("Demo.exe");
    f.Form->AskSaveFileName = [&](QWidget*, const QString& filter) -> std::optional<std::string> {
        EXPECT_EQ(filter, "EXE Files (*.exe)|*.exe");
        return exe;
    };
    f.Boxes.Answers.push_back(platform::TAnswer::No);
    ASSERT_TRUE(PublishThrough(f, "ExecutableTarget"));
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);
    const auto temp = f.Root.File("tmp");
    fs::create_directories(temp);
    const std::string savedTemp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    ::setenv("TMPDIR", temp.c_str(), 1);
    EXPECT_TRUE(RunsFor(exe, f.Root.Path(), 3));
    savedTemp.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", savedTemp.c_str(), 1);
    // Qt keeps its runtime folder there; no unpacked folder is left.
    for (const auto& entry : fs::directory_iterator(temp))
        EXPECT_NE(entry.path().filename().string().rfind("Brelvane", 0), 0u) << entry.path();
}

} // namespace
} // namespace brelvane::test
