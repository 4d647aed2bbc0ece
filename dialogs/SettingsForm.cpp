#include "dialogs/SettingsForm.h"

#include "dialogs/ColorBox.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/InstallWareForm.h"
#include "render/FontConversion.h"
#include "render/PictureImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace brelvane {

namespace {
constexpr const char* kBackStyles[] = {"Normal",
                                       "Image",
                                       "GradientTopBottom",
                                       "GradientBottomTop",
                                       "GradientLeftRight",
                                       "GradientRightLeft",
                                       "GradientMiddleTopBottom",
                                       "GradientTopBottomMiddle",
                                       "GradientMiddleLeftRight",
                                       "GradientLeftRightMiddle"};

QSpinBox* Spin(QWidget* parent, int low, int high, int value) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    spin->setValue(std::clamp(value, low, high));
    return spin;
}

QComboBox* Choices(QWidget* parent, const QStringList& texts, int row) {
    auto* combo = new QComboBox(parent);
    combo->addItems(texts);
    combo->setCurrentIndex(row >= 0 && row < combo->count() ? row : -1);
    return combo;
}

QListWidget* NameList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}
} // namespace

std::vector<std::string> TabSheetNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        auto end = list.find_first_of("\r\n", start);
        if (end == std::string::npos) end = list.size();
        if (end > start) names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

TSettingsForm::TSettingsForm(QWidget* owner, const TSettings& settings,
                             std::vector<std::string> subPages, const TActionContext& context,
                             TServices services)
    : QDialog(owner), copy_(settings), context_(context), services_(std::move(services)) {
    setObjectName("SettingsForm");
    setWindowTitle("Project Options");
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildApplicationTab(), "Application");
    tabs_->addTab(BuildStartupTab(), "AutoRun Startup");
    tabs_->addTab(BuildHintTab(), "Customized Hint");
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddOkCancel(this, buttons);
    layout->addLayout(buttons);
    FillTabPages(subPages);
    for (int row = 0; row < static_cast<int>(copy_.InstallWares.size()); ++row)
        ShowInstall(row);
    UpdateEnabling();
    ApplyHint();
    modified_ = false;
}

TSettingsForm::~TSettingsForm() {
    if (services_.InstallHint) services_.InstallHint(nullptr);
}

void TSettingsForm::HintChanged() {
    Changed();
    ApplyHint();
}

void TSettingsForm::ApplyHint() {
    if (services_.InstallHint)
        services_.InstallHint(copy_.Hint->UseCustomizedHint ? copy_.Hint.get() : nullptr);
}

QWidget* TSettingsForm::BuildApplicationTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    title_ = new QLineEdit(ShownText(copy_.ApplicationTitle), page);
    style_ = Choices(page, {"Normal", "Tabbed Notebook"}, copy_.ApplicationStyle);
    form->addRow("Application Title:", title_);
    form->addRow("Application Style:", style_);
    layout->addLayout(form);

    notebook_ = new QGroupBox("Tabbed Notebook", page);
    auto* notebook = new QVBoxLayout(notebook_);
    auto* fontRow = new QHBoxLayout;
    tabFont_ = new QPushButton(notebook_);
    tabFont_->setObjectName("TabFont");
    ShowFont(tabFont_, copy_.TabFont);
    auto* selectFont = new QPushButton("&Select...", notebook_);
    fontRow->addWidget(new QLabel("Tab Font:", notebook_));
    fontRow->addWidget(tabFont_, 1);
    fontRow->addWidget(selectFont);
    notebook->addLayout(fontRow);
    auto* icons = new QHBoxLayout;
    auto* showIcons = new QCheckBox("Show Sheet Icons", notebook_);
    showIcons->setChecked(copy_.ShowSheetIcons);
    auto* iconSize = Spin(notebook_, 16, 99, copy_.IconSize);
    icons->addWidget(showIcons);
    icons->addStretch();
    icons->addWidget(new QLabel("Icon Size:", notebook_));
    icons->addWidget(iconSize);
    notebook->addLayout(icons);

    auto* pages = new QGroupBox("Tab Pages", notebook_);
    auto* grid = new QGridLayout(pages);
    tabList_ = NameList(pages, "TabSheetList");
    available_ = NameList(pages, "AvailablePages");
    grid->addWidget(new QLabel("Tab Sheet List:", pages), 0, 0);
    grid->addWidget(new QLabel("Available Pages:", pages), 0, 2);
    grid->addWidget(tabList_, 1, 0);
    grid->addWidget(available_, 1, 2);
    auto* middle = new QVBoxLayout;
    auto* add = new QPushButton("Add", pages);
    auto* remove = new QPushButton("Remove", pages);
    auto* up = new QToolButton(pages);
    up->setObjectName("Up");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(pages);
    down->setObjectName("Down");
    down->setArrowType(Qt::DownArrow);
    middle->addStretch();
    for (QWidget* button : std::initializer_list<QWidget*>{add, remove, up, down})
        middle->addWidget(button, 0, Qt::AlignHCenter);
    middle->addStretch();
    grid->addLayout(middle, 1, 1);
    notebook->addWidget(pages);
    layout->addWidget(notebook_, 1);

    connect(title_, &QLineEdit::textEdited, this, [this](const QString& text) {
        copy_.ApplicationTitle = StoredText(text);
        Changed();
    });
    connect(style_, &QComboBox::activated, this, [this](int row) {
        copy_.ApplicationStyle = row;
        Changed();
        UpdateEnabling();
    });
    connect(tabFont_, &QPushButton::clicked, this, [this] { PickFont(tabFont_, copy_.TabFont); });
    connect(selectFont, &QPushButton::clicked, this, [this] { PickFont(tabFont_, copy_.TabFont); });
    connect(showIcons, &QCheckBox::toggled, this, [this](bool on) {
        copy_.ShowSheetIcons = on;
        Changed();
    });
    connect(iconSize, &QSpinBox::valueChanged, this, [this](int value) {
        copy_.IconSize = value;
        Changed();
    });
    connect(add, &QPushButton::clicked, this, [this] { Move(available_, tabList_); });
    connect(remove, &QPushButton::clicked, this, [this] { Move(tabList_, available_); });
    connect(up, &QToolButton::clicked, this, [this] { Swap(-1); });
    connect(down, &QToolButton::clicked, this, [this] { Swap(1); });
    return page;
}

QWidget* TSettingsForm::BuildStartupTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox("Install Software at Startup", page);
    auto* inside = new QHBoxLayout(group);
    installs_ = new QTreeWidget(group);
    installs_->setObjectName("InstallList");
    installs_->setRootIsDecorated(false);
    installs_->setHeaderLabels({"Installation Executable File", "For File Type"});
    installs_->header()->resizeSection(0, 260);
    inside->addWidget(installs_, 1);
    auto* buttons = new QVBoxLayout;
    auto* add = new QPushButton("&Add...", group);
    auto* edit = new QPushButton("&Edit...", group);
    auto* remove = new QPushButton("&Delete", group);
    auto* clear = new QPushButton("Clear", group);
    for (auto* button : {add, edit, remove, clear})
        buttons->addWidget(button);
    buttons->addStretch();
    inside->addLayout(buttons);
    layout->addWidget(group);
    connect(add, &QPushButton::clicked, this, &TSettingsForm::AddInstall);
    connect(edit, &QPushButton::clicked, this, &TSettingsForm::EditInstall);
    connect(installs_, &QTreeWidget::itemDoubleClicked, this, &TSettingsForm::EditInstall);
    connect(remove, &QPushButton::clicked, this, &TSettingsForm::DeleteInstall);
    connect(clear, &QPushButton::clicked, this, &TSettingsForm::ClearInstalls);
    return page;
}

QWidget* TSettingsForm::BuildHintTab() {
    auto& hint = *copy_.Hint;
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    useHint_ = new QCheckBox("Use Customized Hint", page);
    useHint_->setChecked(hint.UseCustomizedHint);
    layout->addWidget(useHint_, 0, 0, 1, 2);
    const auto colorBox = [this](QWidget* parent, std::int32_t& field) {
        auto* box = new TColorBox(parent);
        box->SetValue(field);
        connect(box, &TColorBox::ValueChosen, this, [this, &field](std::int32_t value) {
            field = value;
            HintChanged();
        });
        return box;
    };

    auto* general = new QGroupBox("General", page);
    auto* generalForm = new QFormLayout(general);
    auto* direction =
        Choices(general, {"UpRight", "UpLeft", "DownRight", "DownLeft"}, hint.Direction);
    generalForm->addRow("Direction:", direction);
    generalForm->addRow("Color:", colorBox(general, hint.Color));
    auto* fontRow = new QHBoxLayout;
    hintFont_ = new QPushButton(general);
    hintFont_->setObjectName("HintFont");
    ShowFont(hintFont_, hint.Font);
    auto* selectFont = new QPushButton("&Select...", general);
    fontRow->addWidget(hintFont_, 1);
    fontRow->addWidget(selectFont);
    generalForm->addRow("Font:", fontRow);
    generalForm->addRow("Border Color:", colorBox(general, hint.BorderColor));

    auto* shadow = new QGroupBox("Shadow", page);
    auto* shadowForm = new QFormLayout(shadow);
    shadowForm->addRow("Shadow Color:", colorBox(shadow, hint.ShadowColor));

    auto* background = new QGroupBox("Background", page);
    auto* backgroundForm = new QFormLayout(background);
    QStringList styles;
    for (const char* style : kBackStyles)
        styles << style;
    auto* backStyle = Choices(background, styles, hint.BackStyle);
    backgroundForm->addRow("Back Style:", backStyle);
    backgroundForm->addRow("Gradient Color:", colorBox(background, hint.GradientColor));
    auto* imageRow = new QHBoxLayout;
    backImage_ = new QLabel(background);
    backImage_->setObjectName("BackImage");
    backImage_->setFixedSize(96, 48);
    backImage_->setFrameShape(QFrame::Panel);
    backImage_->setFrameShadow(QFrame::Sunken);
    backImage_->setScaledContents(true);
    backImage_->installEventFilter(this);
    auto* selectImage = new QPushButton("S&elect...", background);
    imageRow->addWidget(backImage_);
    imageRow->addWidget(selectImage);
    imageRow->addStretch();
    backgroundForm->addRow("Back Image:", imageRow);

    auto* pause = new QGroupBox("Pause", page);
    auto* pauseForm = new QFormLayout(pause);
    auto* showPause = Spin(pause, 1, 99999, hint.ShowPause);
    auto* hidePause = Spin(pause, 1, 99999, hint.HidePause);
    pauseForm->addRow("Show Pause:", showPause);
    pauseForm->addRow("Hide Pause:", hidePause);

    auto* test = new QGroupBox("Test", page);
    auto* testRow = new QHBoxLayout(test);
    auto* testPanel = new QLabel("Test Hint Here", test);
    testPanel->setObjectName("TestPanel");
    testPanel->setAlignment(Qt::AlignCenter);
    testPanel->setFrameShape(QFrame::Panel);
    testPanel->setFrameShadow(QFrame::Raised);
    testPanel->setMinimumSize(140, 40);
    testPanel->setToolTip("Test Custom Hint");
    testRow->addWidget(new QLabel("Test Hint:", test));
    testRow->addWidget(testPanel, 1);

    layout->addWidget(general, 1, 0);
    layout->addWidget(background, 1, 1);
    layout->addWidget(shadow, 2, 0);
    layout->addWidget(pause, 2, 1);
    layout->addWidget(test, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    hintGroups_ = {general, shadow, background, pause, test};
    ShowBackImage();
    connect(useHint_, &QCheckBox::toggled, this, [this](bool on) {
        copy_.Hint->UseCustomizedHint = on;
        HintChanged();
        UpdateEnabling();
    });
    connect(direction, &QComboBox::activated, this, [this](int row) {
        copy_.Hint->Direction = static_cast<std::uint8_t>(row);
        HintChanged();
    });
    connect(backStyle, &QComboBox::activated, this, [this](int row) {
        copy_.Hint->BackStyle = row;
        HintChanged();
    });
    connect(hintFont_, &QPushButton::clicked, this,
            [this] { PickFont(hintFont_, copy_.Hint->Font); });
    connect(selectFont, &QPushButton::clicked, this,
            [this] { PickFont(hintFont_, copy_.Hint->Font); });
    connect(selectImage, &QPushButton::clicked, this, &TSettingsForm::PickBackImage);
    connect(showPause, &QSpinBox::valueChanged, this, [this](int value) {
        copy_.Hint->ShowPause = value;
        HintChanged();
    });
    connect(hidePause, &QSpinBox::valueChanged, this, [this](int value) {
        copy_.Hint->HidePause = value;
        HintChanged();
    });
    return page;
}

QPushButton* TSettingsForm::Button(const QString& caption) const {
    for (auto* button : findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

void TSettingsForm::FillTabPages(const std::vector<std::string>& subPages) {
    const auto contains = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    const auto tabs = TabSheetNames(copy_.TabSheetList);
    for (const auto& name : tabs)
        if (contains(subPages, name)) tabList_->addItem(ShownText(name));
    for (const auto& name : subPages)
        if (!contains(tabs, name)) available_->addItem(ShownText(name));
}

void TSettingsForm::Move(QListWidget* from, QListWidget* to) {
    const int row = from->currentRow();
    if (row < 0) return;
    to->addItem(from->takeItem(row));
    Changed();
}

void TSettingsForm::Swap(int step) {
    const int row = tabList_->currentRow();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= tabList_->count()) return;
    auto* item = tabList_->takeItem(row);
    tabList_->insertItem(other, item);
    tabList_->setCurrentRow(other);
    Changed();
}

void TSettingsForm::ShowInstall(int row) {
    const auto& ware = *copy_.InstallWares[static_cast<std::size_t>(row)];
    auto* item = installs_->topLevelItem(row);
    if (!item) item = new QTreeWidgetItem(installs_);
    item->setText(0, ShownText(ware.Executable));
    item->setText(1, ware.When == 0 ? ShownText(ware.FileType) : QString());
}

void TSettingsForm::AddInstall() {
    auto ware = CreateInstallWare(this, context_);
    if (!ware) return;
    copy_.InstallWares.push_back(std::move(ware));
    ShowInstall(static_cast<int>(copy_.InstallWares.size()) - 1);
    Changed();
}

void TSettingsForm::EditInstall() {
    const int row = installs_->indexOfTopLevelItem(installs_->currentItem());
    if (row < 0) return;
    if (!EditInstallWare(this, context_, copy_.InstallWares[static_cast<std::size_t>(row)].get()))
        return;
    ShowInstall(row);
    Changed();
}

void TSettingsForm::DeleteInstall() {
    const int row = installs_->indexOfTopLevelItem(installs_->currentItem());
    if (row < 0) return;
    copy_.InstallWares.erase(copy_.InstallWares.begin() + row);
    delete installs_->takeTopLevelItem(row);
    Changed();
}

void TSettingsForm::ClearInstalls() {
    if (copy_.InstallWares.empty()) return;
    copy_.InstallWares.clear();
    installs_->clear();
    Changed();
}

void TSettingsForm::ShowFont(QPushButton* panel, const TFont& font) {
    panel->setText("Font");
    panel->setFont(ToQFont(font));
}

void TSettingsForm::PickFont(QPushButton* panel, TFont& font) {
    TFont chosen = font;
    if (!services_.ChooseFont || !services_.ChooseFont(this, chosen) || chosen == font) return;
    font = chosen;
    ShowFont(panel, font);
    if (&font == &copy_.Hint->Font)
        HintChanged();
    else
        Changed();
}

void TSettingsForm::PickBackImage() {
    if (!services_.EditImage || !services_.EditImage(this, copy_.Hint->BackImage)) return;
    HintChanged();
    ShowBackImage();
}

bool TSettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == backImage_ && event->type() == QEvent::MouseButtonRelease &&
        backImage_->isEnabled()) {
        PickBackImage();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSettingsForm::ShowBackImage() {
    const auto& picture = copy_.Hint->BackImage;
    QPixmap shown;
    if (!picture.Empty()) {
        const auto drawable = PictureImageOf(picture);
        if (!drawable->Empty()) shown = QPixmap::fromImage(DrawnFrame(*drawable, 0, false));
    }
    backImage_->setPixmap(shown);
}

void TSettingsForm::UpdateEnabling() {
    notebook_->setEnabled(style_->currentIndex() == 1);
    for (auto* group : hintGroups_)
        group->setEnabled(useHint_->isChecked());
}

TSettings TSettingsForm::Result() const {
    TSettings result = copy_;
    result.TabSheetList.clear();
    for (int row = 0; row < tabList_->count(); ++row)
        result.TabSheetList += StoredText(tabList_->item(row)->text()) + "\r\n";
    return result;
}

bool EditProjectOptions(QWidget* owner, TSettings& settings, std::vector<std::string> subPages,
                        const TActionContext& context, TSettingsForm::TServices services) {
    TSettingsForm form(owner, settings, std::move(subPages), context, std::move(services));
    if (form.exec() != QDialog::Accepted || !form.Modified()) return false;
    settings = form.Result();
    return true;
}

} // namespace brelvane
