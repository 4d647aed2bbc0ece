#include "designer/MainForm.h"

#include "designer/EditForm.h"
#include "designer/GridSizeForm.h"
#include "designer/GroupList.h"
#include "designer/PageHost.h"
#include "designer/PickerDialogs.h"
#include "designer/ProjectPickers.h"
#include "designer/PropertyEditor.h"
#include "designer/TemplatePane.h"
#include "designer/TipsForm.h"
#include "dialogs/RichEditorForm.h"
#include "dialogs/SelectGroupForm.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/Payload.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "player/AutoRunForm.h"
#include "player/PlayerEnvironment.h"
#include "storage/exe/FileVersion.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

namespace brelvane {

namespace {
constexpr int kLeftPaneWidth = 201;
constexpr int kGroupListHeight = 140;

// Object tool bar: button name, hint and the kind it adds, in tool bar order.
struct TObjectButton {
    const char* Name;
    const char* Hint;
    std::uint8_t Kind;
};
constexpr TObjectButton kObjectButtons[] = {
    {"ToolButton_Button", "Add Button", okButton},
    {"ToolButton_ImageButton", "Add ImageButton", okImageButton},
    {"ToolButton_Shape", "Add Shape", okShape},
    {"ToolButton_Image", "Add Image", okImage},
    {"ToolButton_SimpleText", "Add SimpleText", okSimpleText},
    {"ToolButton_Label", "Add Label", okLabel},
    {"ToolButton_Link", "Add Link", okLink},
    {"ToolButton_Text", "Add Text", okText},
    {"ToolButton_ScrollText", "Add ScrollText", okScrollText},
    {"ToolButton_ListBox", "Add ListBox", okListBox},
    {"ToolButton_ComboBox", "Add DropDownList", okDropDownList},
    {"ToolButton_ListView", "Add ListView", okListView},
    {"ToolButton_TreeView", "Add TreeView", okTreeView},
    {"ToolButton_ShellListView", "Add ShellListView", okShellListView},
    {"ToolButton_ShellTreeView", "Add ShellTreeView", okShellTreeView},
    {"ToolButton_TextBox", "Add TextBox", okTextBox},
    {"ToolButton_RichTextBox", "Add RichText", okRichText},
    {"ToolButton_Explorer", "Add Explorer", okExplorer},
    {"ToolButton_Flash", "Add Flash", okFlash},
    {"ToolButton_AVI", "Add AVI", okAVI},
    {"ToolButton_MediaPlayer", "Add MediaPlayer", okMediaPlayer},
    {"ToolButton_SlideShow", "Add SlideShow", okSlideShow},
    {"ToolButton_SecurityEdit", "Add Edit", okEdit},
    {"ToolButton_AgreementRadio", "Add RadioButton", okRadioButton},
    {"ToolButton_AgreementCheck", "Add CheckBox", okCheckBox},
};

// A tool button hint with the command's look: the caption's first letters.
QIcon LetterIcon(const QString& hint, const QColor& color) {
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(color);
    painter.setPen(color.darker(150));
    painter.drawRoundedRect(QRectF(2.5, 2.5, 23, 23), 4, 4);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    QString letters;
    for (const auto& word : hint.split(' ', Qt::SkipEmptyParts))
        if (letters.size() < 2) letters += word.front().toUpper();
    painter.drawText(QRect(0, 0, 28, 28), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}
} // namespace

TMainForm::TMainForm(TDesignerPaths paths, std::unique_ptr<TPickerDialogs> dialogs)
    : paths_(std::move(paths)), dialogs_(std::move(dialogs)), host_(std::make_unique<TPageHost>()) {
    setObjectName("MainForm");
    setWindowTitle("Brelvane");
    std::error_code error;
    std::filesystem::create_directories(paths_.TempFolder, error);
    project_.CurrentPageIndex = -1;
    pickers_ =
        std::make_unique<TProjectPickers>([this] { return project_.BaseFolder; }, *dialogs_, this);
    if (const auto* screen = QGuiApplication::primaryScreen())
        setGeometry(QRect(QPoint(0, 0), screen->availableGeometry().size()));
    settings_ = ReadDesignerSettings(paths_.IniPath());
    ReadFileVersion = [](const std::string& path) { return brelvane::ReadFileVersion(path); };
    AskSaveFileName = AskSaveFileNameOnDesktop;
    ChooseGroups =
        [](QWidget* owner, const QString& prompt,
           const std::vector<std::string>& groups) -> std::optional<std::vector<std::string>> {
        std::vector<std::string> chosen;
        if (!SelectGroups(owner, prompt, groups, chosen)) return std::nullopt;
        return chosen;
    };
    designerVersion_ = ReadFileVersion(paths_.ProgramPath);

    richEditor_ = new TRichEditorForm(this);
    BuildPanes();
    BuildMenus();
    BuildToolBars();
    Action("DisplayGrid1")->setChecked(settings_.DisplayGrid);
    Action("SnapToGrid1")->setChecked(settings_.SnapToGrid);

    timer1_.setSingleShot(true);
    timer1_.setInterval(10);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        if (editForm_) editForm_->RepaintSurface();
    });
    timer2_.setSingleShot(true);
    timer2_.setInterval(100);
    connect(&timer2_, &QTimer::timeout, this, &TMainForm::ShowWhatsNewAtStart);
    UpdateEnvironment();
}

TMainForm::~TMainForm() {
    DiscardWorkingCopies();
    ReleasePage();
}

void TMainForm::ReleasePage() {
    propertyEditor_->Clear();
    host_->Release();
}

void TMainForm::PropertyApplied(unsigned followUps) {
    if (followUps & fuGroups) RebuildGroupList();
    if (followUps & fuBars) host_->Model()->RebuildBars();
    if (followUps & (fuFrame | fuPageSize | fuBackground)) {
        editForm_->PageChanged();
        RepaintShadowPreview();
    } else {
        editForm_->RepaintSurface();
    }
}

QAction* TMainForm::Action(const char* objectName) const {
    return findChild<QAction*>(objectName);
}

QAction* TMainForm::AddCommand(QMenu* menu, const char* objectName, const char* caption,
                               const QKeySequence& shortcut, void (TMainForm::*handler)()) {
    auto* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    if (handler) connect(action, &QAction::triggered, this, handler);
    return action;
}

void TMainForm::AddToggle(QMenu* menu, const char* objectName, const char* caption, QWidget* pane) {
    auto* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setCheckable(true);
    action->setChecked(pane && !pane->isHidden());
    if (pane) connect(action, &QAction::toggled, pane, &QWidget::setVisible);
}

void TMainForm::BuildMenus() {
    auto* file = menuBar()->addMenu("&File");
    AddCommand(file, "New1", "New Project...", QKeySequence("Ctrl+N"), &TMainForm::New1Click);
    AddCommand(file, "Open1", "Open...", QKeySequence("Ctrl+O"), &TMainForm::Open1Click);
    AddCommand(file, "Save1", "Save", QKeySequence("Ctrl+S"), nullptr);
    connect(Action("Save1"), &QAction::triggered, this, [this] { Save1Click(); });
    file->addSeparator();
    AddCommand(file, "Exit1", "Exit", QKeySequence("Ctrl+Alt+X"), nullptr);
    connect(Action("Exit1"), &QAction::triggered, this, &QWidget::close);

    auto* project = menuBar()->addMenu("&Project");
    AddCommand(project, "ProjectOptions1", "Project Options...", {},
               &TMainForm::ProjectOptions1Click);
    AddCommand(project, "CDIcon1", "CD Icon...", {}, &TMainForm::CdIcon1Click);
    AddCommand(project, "ExecutableFileInformation1", "Executable File Information...", {},
               &TMainForm::ExecutableFileInformation);
    project->addSeparator();
    AddCommand(project, "SaveandTest1", "Save and Test...", QKeySequence("Ctrl+T"),
               &TMainForm::SaveAndTest);
    AddCommand(project, "SaveandPublish1", "Save and Publish...", {}, &TMainForm::SaveAndPublish);
    AddCommand(project, "CreateTargetFile1", "Create Target File...", {},
               &TMainForm::CreateTargetFile);

    auto* page = menuBar()->addMenu("P&age");
    AddCommand(page, "NewSubPage1", "Add Page...", QKeySequence("Ctrl+P"),
               &TMainForm::NewSubPage1Click);
    AddCommand(page, "DeleteSubPage1", "Delete Page...", {}, &TMainForm::DeleteSubPage1Click);
    AddCommand(page, "GetPage1", "Load From Template...", {}, &TMainForm::GetPage1Click);
    AddCommand(page, "PreviewPage1", "Preview Page...", QKeySequence("Ctrl+R"),
               &TMainForm::PreviewPage);

    BuildEditMenu();

    auto* view = menuBar()->addMenu("&View");
    AddToggle(view, "Toolbar1", "Toolbar", toolBar1_);
    AddToggle(view, "Statusbar1", "Statusbar", statusBar1_);
    AddToggle(view, "PropertyEditor1", "Property Editor", panel2_);
    AddToggle(view, "GroupList1", "Group List", scrollBox5_);
    AddToggle(view, "ObjectTemplates1", "Object Templates", pageControl2_);

    auto* tools = menuBar()->addMenu("&Tools");
    AddCommand(tools, "PageTemplate1", "Page Template...", {}, &TMainForm::PageTemplate1Click);
    auto* objectTemplate = tools->addMenu("Object Template");
    objectTemplate->menuAction()->setObjectName("ObjectTemplate1");
    const std::tuple<const char*, const char*, void (TTemplatePane::*)()> groupCommands[] = {
        {"CreateNewLibPage1", "Add Template Group...", &TTemplatePane::CreateNewLibPage1Click},
        {"DeleteLibPage1", "Delete Template Group...", &TTemplatePane::DeleteLibPage1Click},
        {"SaveObjectToLib1", "Add Selected Object To Group", &TTemplatePane::SaveObjectToLib1Click},
        {"DeleteTemplateItem1", "Delete Template Item", &TTemplatePane::DeleteTemplateItem1Click},
    };
    for (const auto& [name, caption, handler] : groupCommands) {
        auto* action = objectTemplate->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, pageControl2_, handler);
    }
    tools->addSeparator();
    AddCommand(tools, "DisplayGrid1", "Display Grid", {}, &TMainForm::ToggleDisplayGrid)
        ->setCheckable(true);
    AddCommand(tools, "SnapToGrid1", "Snap To Grid", {}, &TMainForm::ToggleSnapToGrid)
        ->setCheckable(true);
    AddCommand(tools, "GridSize1", "Grid Size...", {}, &TMainForm::GridSize);
    AddCommand(tools, "BackGroundColor1", "Back Ground Color...", {},
               &TMainForm::BackGroundColor1Click);

    auto* help = menuBar()->addMenu("&Help");
    AddCommand(help, "BrelvaneHelp1", "Brelvane Help...", QKeySequence(Qt::Key_F1),
               &TMainForm::ShowHelp);
    AddCommand(help, "WhatsNew1", "What's New...", {}, &TMainForm::WhatsNew1Click);
    AddCommand(help, "About1", "About...", {}, &TMainForm::ShowAbout);
}

void TMainForm::BuildToolBars() {
    toolBar1_->setIconSize(QSize(28, 28));
    const std::tuple<const char*, const char*, const char*> buttons[] = {
        {"ToolButton_New", "New Project", "New1"},
        {"ToolButton_Open", "Open", "Open1"},
        {"ToolButton_Save", "Save", "Save1"},
        {"ToolButton_ProjectOptions", "Project Options", "ProjectOptions1"},
        {"ToolButton_SaveAndTest", "Save and Test", "SaveandTest1"},
        {"ToolButton_SaveAndPublish", "Save and Publish", "SaveandPublish1"},
        {nullptr, nullptr, nullptr},
        {"ToolButton_AddPage", "Add Page", "NewSubPage1"},
        {"ToolButton_LoadFromTemplate", "Load Page From Template", "GetPage1"},
        {"ToolButton_Preview", "Preview Page", "PreviewPage1"},
    };
    for (const auto& [name, hint, command] : buttons) {
        if (!name) {
            toolBar1_->addSeparator();
            continue;
        }
        auto* button = new QToolButton(toolBar1_);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setIcon(LetterIcon(hint, QColor(40, 96, 160)));
        button->setFixedSize(35, 34);
        button->setAutoRaise(true);
        if (command) connect(button, &QToolButton::clicked, Action(command), &QAction::trigger);
        toolBar1_->addWidget(button);
    }
    // The object tool bar scrolls in steps of one button when it does not fit.
    auto* scroller = new QScrollArea(toolBar1_);
    scroller->setObjectName("PageScroller1");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->horizontalScrollBar()->setSingleStep(35);
    scroller->setWidgetResizable(false);
    scroller->setFixedHeight(48);
    toolBar2_ = new QToolBar(scroller);
    toolBar2_->setObjectName("ToolBar2");
    toolBar2_->setIconSize(QSize(28, 28));
    // One button down at a time; Select means that a press adds nothing.
    objectTools_ = new QActionGroup(toolBar2_);
    auto* select = toolBar2_->addAction("Select");
    select->setObjectName("ToolButton_Select");
    select->setCheckable(true);
    select->setChecked(true);
    objectTools_->addAction(select);
    for (const auto& button : kObjectButtons) {
        auto* action = toolBar2_->addAction(
            LetterIcon(QString(button.Hint).mid(4), QColor(150, 90, 30)), button.Hint);
        action->setObjectName(button.Name);
        action->setToolTip(button.Hint);
        action->setCheckable(true);
        action->setData(button.Kind);
        // A kind can be added once this build can store it.
        action->setEnabled(PayloadCodecOf(button.Kind) != nullptr);
        objectTools_->addAction(action);
    }
    toolBar2_->adjustSize();
    scroller->setWidget(toolBar2_);
    toolBar1_->addWidget(scroller);
}

void TMainForm::BuildPanes() {
    toolBar1_ = addToolBar("Toolbar");
    toolBar1_->setObjectName("ToolBar1");
    toolBar1_->setMovable(false);

    statusBar1_ = statusBar();
    statusBar1_->setObjectName("StatusBar1");
    statusPanel0_ = new QLabel(statusBar1_);
    statusPanel0_->setFixedWidth(kLeftPaneWidth);
    statusPanel1_ = new QLabel(statusBar1_);
    statusBar1_->addWidget(statusPanel0_);
    statusBar1_->addWidget(statusPanel1_, 1);

    auto* vertical = new QSplitter(Qt::Vertical, this);
    auto* horizontal = new QSplitter(Qt::Horizontal, vertical);
    panel2_ = new QWidget(horizontal);
    panel2_->setObjectName("Panel2");
    auto* left = new QVBoxLayout(panel2_);
    left->setContentsMargins(2, 2, 2, 2);
    auto* splitter2 = new QSplitter(Qt::Vertical, panel2_);
    splitter2->setObjectName("Splitter2");
    splitter2->setChildrenCollapsible(false);
    propertyEditor_ = new TPropertyEditor(
        {*host_, project_, *pickers_, *this,
         [this](const std::string& name) { return RenamePage(name); }, richEditor_},
        splitter2);
    const auto currentObjects = [this]() -> TAutoObjects* {
        return host_->Model() ? &host_->Model()->Page().Objects : nullptr;
    };
    scrollBox5_ = new TGroupList(currentObjects, splitter2);
    scrollBox5_->hide();
    connect(scrollBox5_, &TGroupList::DesignViewChanged, this, &TMainForm::DesignViewChanged);
    splitter2->setStretchFactor(0, 1);
    left->addWidget(splitter2);
    connect(scrollBox5_, &TGroupList::Shown, splitter2, [splitter2] {
        // Shown for the first time, the pane gets a height of its own.
        const auto sizes = splitter2->sizes();
        if (sizes.size() == 2 && sizes[1] < kGroupListHeight)
            splitter2->setSizes({std::max(sizes[0] - kGroupListHeight, 0), kGroupListHeight});
    });
    panel2_->resize(kLeftPaneWidth, panel2_->height());

    auto* right = new QWidget(horizontal);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    pageControl1_ = new QTabBar(right);
    pageControl1_->setObjectName("PageControl1");
    pageControl1_->setExpanding(false);
    pageControl1_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(pageControl1_, &QTabBar::currentChanged, this, [this] {
        if (!switching_) PageControl1Change();
    });
    rightLayout->addWidget(pageControl1_);
    scrollBox1_ = new QScrollArea(right);
    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->setWidgetResizable(false);
    image1_ = new QLabel;
    image1_->setObjectName("Image1");
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollBox1_->setWidget(image1_);
    scrollBox1_->viewport()->installEventFilter(this);
    rightLayout->addWidget(scrollBox1_, 1);
    editForm_ = new TEditForm(*host_, *this, image1_);
    editForm_->hide();
    connect(editForm_, &TEditForm::Changed, this, &TMainForm::RepaintShadowPreview);
    connect(editForm_, &TEditForm::SelectionChanged, this, &TMainForm::Edit1Click);
    connect(editForm_, &TEditForm::ObjectsChanged, this, &TMainForm::Edit1Click);
    connect(editForm_, &TEditForm::SelectionChanged, propertyEditor_,
            &TPropertyEditor::FillProperties);
    connect(editForm_, &TEditForm::ObjectsChanged, propertyEditor_,
            &TPropertyEditor::FillProperties);
    connect(editForm_, &TEditForm::ObjectsChanged, this, &TMainForm::RebuildGroupList);
    connect(propertyEditor_, &TPropertyEditor::Applied, this, &TMainForm::PropertyApplied);
    connect(propertyEditor_, &TPropertyEditor::SelectionChosen, this, [this] {
        editForm_->RepaintSurface();
        Edit1Click();
    });
    connect(propertyEditor_, &TPropertyEditor::StatusChanged, statusPanel0_, &QLabel::setText);
    horizontal->setSizes({kLeftPaneWidth, 1000});
    connect(horizontal, &QSplitter::splitterMoved, this,
            [this] { statusPanel0_->setFixedWidth(panel2_->width()); });

    pageControl2_ = new TTemplatePane(Library(), currentObjects, vertical);
    pageControl2_->setMinimumHeight(112);
    vertical->setStretchFactor(0, 1);
    setCentralWidget(vertical);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBox1_->viewport() && event->type() == QEvent::Resize)
        RepaintShadowPreview();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::UpdateEnvironment() {
    auto& environment = PlayerEnvironment();
    environment.Project = &project_.Index;
    environment.Source = {dsProjectSource, project_.BaseFolder, paths_.TempFolder};
    environment.DesignerMode = true;
    environment.DesignGridX = settings_.DisplayGrid ? settings_.GridSizeX : 0;
    environment.DesignGridY = settings_.DisplayGrid ? settings_.GridSizeY : 0;
}

void TMainForm::WriteSettings() {
    WriteDesignerSettings(paths_.IniPath(), settings_);
    UpdateEnvironment();
}

void TMainForm::ToggleDisplayGrid() {
    settings_.DisplayGrid = !settings_.DisplayGrid;
    Action("DisplayGrid1")->setChecked(settings_.DisplayGrid);
    WriteSettings();
    if (auto* model = host_->Model()) model->RenderBackground();
    editForm_->RepaintSurface();
}

void TMainForm::ToggleSnapToGrid() {
    settings_.SnapToGrid = !settings_.SnapToGrid;
    Action("SnapToGrid1")->setChecked(settings_.SnapToGrid);
    WriteSettings();
}

void TMainForm::GridSize() {
    TGridSizeForm form(this, settings_.GridSizeX, settings_.GridSizeY);
    if (form.exec() != QDialog::Accepted) return;
    if (form.GridX() == settings_.GridSizeX && form.GridY() == settings_.GridSizeY) return;
    settings_.GridSizeX = form.GridX();
    settings_.GridSizeY = form.GridY();
    WriteSettings();
    if (!settings_.DisplayGrid) return;
    if (auto* model = host_->Model()) model->RenderBackground();
    editForm_->RepaintSurface();
}

void TMainForm::ShowHelp() {
    platform::ShellRequest request;
    request.Verb = "open";
    request.File = paths_.HelpPath();
    request.Folder = paths_.ProgramFolder;
    platform::CurrentShell().Execute(request);
}

void TMainForm::ShowWhatsNewAtStart() {
    if (ReadTipsVersion(paths_.IniPath()) == designerVersion_) return;
    if (!QFileInfo(QString::fromStdString(paths_.TipsPath())).isFile()) return;
    WhatsNew1Click();
}

void TMainForm::WhatsNew1Click() {
    QFile file(QString::fromStdString(paths_.TipsPath()));
    if (!file.open(QIODevice::ReadOnly)) {
        platform::ShowErrorBox(this, "Can not read the file '" +
                                         QString::fromStdString(paths_.TipsPath()) + "'.");
        return;
    }
    const QByteArray bytes = file.readAll();
    const bool askAgain = ReadTipsVersion(paths_.IniPath()) != designerVersion_;
    TTipsForm form(this, bytes.toStdString(), askAgain);
    form.exec();
    if (askAgain && !form.ShowOnStartup()) {
        if (!WriteTipsVersion(paths_.IniPath(), designerVersion_))
            platform::ShowErrorBox(this, "Can not write the file '" +
                                             QString::fromStdString(paths_.IniPath()) + "'.");
    }
}

void TMainForm::ShowAbout() {
    platform::ShowInformation(this, "About",
                              "Brelvane\nVersion: " + QString::fromStdString(designerVersion_));
}

} // namespace brelvane
