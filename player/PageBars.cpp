// The page's menu bar, pop-up menu, status bar and tool bar, and cursors.
#include "objects/controls/ObjectWidget.h"
#include "objects/records/CustomCursors.h"
#include "objects/records/ShortCommand.h"
#include "objects/records/ShortCutText.h"
#include "platform/CursorFiles.h"
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "player/PlayerEnvironment.h"
#include "player/StillImage.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/PictureImage.h"
#include "render/SystemColors.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <map>

namespace brelvane {

namespace {
constexpr int kSeparatorWidth = 8;

// Stored shortcuts: a virtual key in the low byte, modifier bits above; a key
// the designer has no name for is no shortcut, and neither is a value with
// bits outside those (it would otherwise fire on the bare key).
QKeySequence ShortcutOf(std::uint16_t code) {
    constexpr std::uint16_t kKnownBits = 0xff | scShift | scCtrl | scAlt;
    if ((code & ~kKnownBits) != 0 || ShortCutToText(code).empty()) return {};
    const int key = code & 0xff;
    int qtKey = 0;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        qtKey = key;
    else if (key >= 0x70 && key <= 0x87)
        qtKey = Qt::Key_F1 + (key - 0x70);
    else if (key >= 0x21 && key <= 0x28)
        qtKey =
            std::array{Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,   Qt::Key_Home,
                       Qt::Key_Left,   Qt::Key_Up,       Qt::Key_Right, Qt::Key_Down}[key - 0x21];
    else
        switch (key) {
        case 0x08:
            qtKey = Qt::Key_Backspace;
            break;
        case 0x09:
            qtKey = Qt::Key_Tab;
            break;
        case 0x0d:
            qtKey = Qt::Key_Return;
            break;
        case 0x1b:
            qtKey = Qt::Key_Escape;
            break;
        case 0x20:
            qtKey = Qt::Key_Space;
            break;
        case 0x2d:
            qtKey = Qt::Key_Insert;
            break;
        case 0x2e:
            qtKey = Qt::Key_Delete;
            break;
        default:
            return {};
        }
    int modifiers = 0;
    if (code & scShift) modifiers |= Qt::SHIFT;
    if (code & scCtrl) modifiers |= Qt::CTRL;
    if (code & scAlt) modifiers |= Qt::ALT;
    return QKeySequence(qtKey | modifiers);
}

// Cursors loaded from files, by their number in the process-wide table.
std::map<int, QCursor>& LoadedCursors() {
    static std::map<int, QCursor> cursors;
    return cursors;
}

std::optional<QCursor> CustomCursor(const std::string& fileName) {
    const auto number = CustomCursors().Resolve(fileName, [](const std::string& key, int n) {
        const auto cursor = platform::LoadCursorFile(BaseResolved(key));
        if (!cursor) return false;
        LoadedCursors()[n] = *cursor;
        return true;
    });
    if (!number) return std::nullopt;
    return LoadedCursors()[*number];
}

QIcon ToolButtonIcon(const TPicture& picture, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(ResolveColor(SystemColorValue(COLOR_BTNFACE)));
    QPainter painter(&image);
    const QImage frame = DrawnFrame(*PictureImageOf(picture), 0, true);
    if (!frame.isNull()) painter.drawImage(image.rect(), frame);
    return QIcon(QPixmap::fromImage(image));
}
} // namespace

void TAutoRunForm::RunShortCommand(const std::string& hint) {
    TCommand command;
    if (DecodeShortCommand(hint, command)) ExecuteAction(command);
}

// Adds the items to `menu` (a QMenu or the QMenuBar), leaf items running
// their short command when the page runs.
template <class Menu>
static void AddMenuItems(Menu& menu, const std::vector<TMenuItem>& items, TAutoRunForm& page,
                         bool running, void (TAutoRunForm::*run)(const std::string&)) {
    for (const auto& item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (!item.Items.empty()) {
            QMenu* sub = menu.addMenu(FromAnsi(item.Caption));
            sub->setEnabled(item.Enabled);
            AddMenuItems(*sub, item.Items, page, running, run);
            continue;
        }
        QAction* action = menu.addAction(FromAnsi(item.Caption));
        action->setEnabled(item.Enabled);
        action->setCheckable(item.AutoCheck || item.RadioItem || item.Checked);
        action->setChecked(item.Checked);
        action->setShortcut(ShortcutOf(item.ShortCut));
        if (item.Default) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
        const QImage glyph = StillImage(item.Bitmap);
        if (!glyph.isNull()) action->setIcon(QIcon(QPixmap::fromImage(glyph)));
        if (running)
            QObject::connect(action, &QAction::triggered, &page,
                             [&page, run, hint = item.Hint] { (page.*run)(hint); });
    }
}

void TAutoRunForm::RebuildBars() {
    RebuildMenuBar();
    RebuildStatusBar();
    RebuildToolBar();
}

QMenuBar* TAutoRunForm::EnsureMenuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

QToolBar* TAutoRunForm::EnsureToolBar() {
    if (!toolBar_) {
        toolBar_ = new QToolBar(this);
        layout_->insertWidget(0, toolBar_); // above the page
    }
    return toolBar_;
}

QStatusBar* TAutoRunForm::EnsureStatusBar() {
    if (!statusBar_) {
        statusBar_ = new QStatusBar(this);
        statusBar_->setSizeGripEnabled(false);
        layout_->addWidget(statusBar_); // below the page
    }
    return statusBar_;
}

void TAutoRunForm::RebuildMenuBar() {
    if (page_.MenuBar.empty() && !menuBar_) return;
    EnsureMenuBar()->clear();
    AddMenuItems(*menuBar_, page_.MenuBar, *this, ReadContext().Running,
                 &TAutoRunForm::RunShortCommand);
    menuBar_->setVisible(!page_.MenuBar.empty());
}

void TAutoRunForm::RebuildPopupMenu() {
    delete popupMenu_;
    popupMenu_ = nullptr;
    if (page_.PopupMenu.empty()) return;
    popupMenu_ = new QMenu(this);
    AddMenuItems(*popupMenu_, page_.PopupMenu, *this, ReadContext().Running,
                 &TAutoRunForm::RunShortCommand);
}

void TAutoRunForm::BuildObjectPopupMenu(TObjectWidget& control) {
    const auto& items = control.Record().PopupMenu;
    if (items.empty()) return;
    auto* menu = new QMenu(&control);
    AddMenuItems(*menu, items, *this, true, &TAutoRunForm::RunShortCommand);
    control.SetPopupMenu(menu);
}

void TAutoRunForm::RebuildStatusBar() {
    for (auto* label : panelLabels_)
        delete label;
    panelLabels_.clear();
    if (page_.StatusPanels.empty() && !statusBar_) return;
    EnsureStatusBar()->setFont(ToQFont(page_.StatusBarFont));
    statusBar_->setFixedHeight(std::max(page_.StatusBarHeight, 1));
    for (const auto& panel : page_.StatusPanels) {
        auto* label = new QLabel(FromAnsi(panel.Text), statusBar_);
        label->setFixedWidth(std::max(panel.Width, 0));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignVCenter | (panel.Alignment == 1   ? Qt::AlignRight
                                                : panel.Alignment == 2 ? Qt::AlignHCenter
                                                                       : Qt::AlignLeft));
        statusBar_->addWidget(label);
        panelLabels_.push_back(label);
    }
    statusBar_->setVisible(!page_.StatusPanels.empty());
}

void TAutoRunForm::RebuildToolBar() {
    if (page_.ToolButtons.empty() && !toolBar_) return;
    EnsureToolBar()->clear();
    const QSize imageSize(std::max(page_.ToolBarImageWidth, 1),
                          std::max(page_.ToolBarImageHeight, 1));
    toolBar_->setIconSize(imageSize);
    toolBar_->setFont(ToQFont(page_.ToolBarFont));
    toolBar_->setToolButtonStyle(!page_.ToolBarShowCaptions   ? Qt::ToolButtonIconOnly
                                 : page_.ToolBarCaptionsRight ? Qt::ToolButtonTextBesideIcon
                                                              : Qt::ToolButtonTextUnderIcon);
    for (const auto& entry : page_.ToolButtons) {
        if (entry.Separator) {
            auto* gap = new QWidget(toolBar_);
            gap->setFixedWidth(kSeparatorWidth);
            toolBar_->addWidget(gap);
            continue;
        }
        QAction* action =
            toolBar_->addAction(ToolButtonIcon(entry.Picture, imageSize), FromAnsi(entry.Caption));
        action->setToolTip(FromAnsi(entry.Hint));
        if (ReadContext().Running)
            connect(action, &QAction::triggered, this,
                    [this, command = entry.Action] { ExecuteAction(command); });
    }
    toolBar_->setVisible(!page_.ToolButtons.empty());
}

void TAutoRunForm::RunStartAction() {
    ExecuteAction(page_.StartAction);
    for (auto& object : page_.Objects)
        if (object->Props.ActionType != 0)
            if (auto* control = dynamic_cast<QWidget*>(object->Control.get()))
                control->setCursor(Qt::PointingHandCursor);
}

void TAutoRunForm::ApplyCursors() {
    if (const auto cursor = CustomCursor(page_.StartAction.Cursor)) surface_->setCursor(*cursor);
    for (auto& object : page_.Objects)
        if (auto* control = dynamic_cast<QWidget*>(object->Control.get()))
            if (const auto cursor = CustomCursor(object->Props.Cursor)) control->setCursor(*cursor);
}

} // namespace brelvane
