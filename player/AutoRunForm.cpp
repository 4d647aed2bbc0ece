#include "player/AutoRunForm.h"

#include "objects/controls/AuButton.h"
#include "objects/controls/AuSecurityEdit.h"
#include "objects/controls/ControlFactory.h"
#include "objects/controls/StandardCursors.h"
#include "objects/records/CheckGroups.h"
#include "objects/records/ClickBehaviour.h"
#include "objects/records/FormCheck.h"
#include "objects/records/HoverBehaviour.h"
#include "objects/records/KeyboardOrder.h"
#include "objects/records/ListLinks.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/WindowMove.h"
#include "platform/MessageBoxes.h"
#include "player/ActionInterpreter.h"
#include "player/ListWiring.h"
#include "player/PageSurface.h"
#include "player/PlayerEnvironment.h"
#include "player/ShadowWindow.h"
#include "player/ShellActions.h"
#include "player/StillImage.h"
#include "player/WindowPlacement.h"
#include "render/AnsiText.h"
#include "render/PageBackground.h"
#include "render/SystemColors.h"
#include "storage/ErrorReport.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr int kStepTimerMs = 10;
constexpr int kSecondMs = 1000;
// The shell's show command for a normal window.
constexpr int kShowNormal = 1;
} // namespace

TAutoRunForm::TAutoRunForm(QWidget* parent)
    : QWidget(parent, Qt::Window), shadow_(std::make_unique<TShadowWindow>()),
      actionSound_(platform::CreateSoundChannel()), startSound_(platform::CreateSoundChannel()),
      eventSound_(platform::CreateSoundChannel()) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(80, 80);
    setWindowOpacity(PlayerEnvironment().CanFade ? 0.0 : 1.0);

    // The bars are made when a page first has entries for them.
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    surface_ = new TPageSurface(this);
    layout_->addWidget(surface_, 1);

    connect(surface_, &TPageSurface::BackgroundClicked, this, &TAutoRunForm::OnBackgroundClick);
    connect(surface_, &TPageSurface::BackgroundHovered, this,
            [this] { HoverOverBackground(page_.Objects, *this); });
    connect(surface_, &TPageSurface::BackgroundContextMenu, this, [this](QPoint at) {
        if (popupMenu_ && !popupMenu_->isEmpty()) popupMenu_->popup(at);
    });
    connect(surface_, &TPageSurface::Resized, this, &TAutoRunForm::RenderBackground);

    for (auto* timer : {&timer1_, &timer2_})
        timer->setInterval(kStepTimerMs);
    timer3_.setInterval(kSecondMs);
    connect(&timer1_, &QTimer::timeout, this, &TAutoRunForm::AppearanceStep);
    connect(&timer2_, &QTimer::timeout, this, &TAutoRunForm::StartStep);
    connect(&timer3_, &QTimer::timeout, this, &TAutoRunForm::SecondTick);
    connect(&fadeTimer_, &QTimer::timeout, this, &TAutoRunForm::FadeTick);

    QApplication::instance()->installEventFilter(this);
    // A new window shows the defaults of a new page until a stream is read,
    // at the screen's centre.
    resize(page_.Width, page_.Height);
    move(CentredIn(PlacementFrame().Screen, size()));
    RenderBackground();
}

TAutoRunForm::~TAutoRunForm() {
    // Controls go with their records, before the surface that parents them.
    page_.Objects.clear();
}

TPageReadContext TAutoRunForm::ReadContext() const {
    const auto& environment = PlayerEnvironment();
    TPageReadContext context;
    context.PlayerMode = !environment.DesignerMode;
    context.Running = context.PlayerMode || TestRun;
    context.IsNtPlatform = environment.IsNtPlatform;
    context.CanFade = environment.CanFade;
    return context;
}

bool TAutoRunForm::BuildMainPage() {
    const auto* project = PlayerEnvironment().Project;
    const auto* entry = project ? FirstPageOfKind(*project, pkMainPage) : nullptr;
    if (!entry) return false;
    const bool built = BuildPage(entry->Name, TPageReadMode::Build);
    if (built && project->Settings.ApplicationTitle.empty()) {
        PlayerEnvironment().ApplicationTitle = page_.Caption;
        QApplication::setApplicationName(FromAnsi(page_.Caption));
    }
    if (built && project->Settings.ApplicationStyle == 1) BuildNotebook();
    return built;
}

bool TAutoRunForm::BuildPage(const std::string& name, TPageReadMode mode) {
    const auto* project = PlayerEnvironment().Project;
    if (!project) return false;
    for (const auto& entry : project->Pages) {
        if (entry->Name != name) continue;
        pageName_ = name;
        const bool read = LoadPage(PlayerEnvironment().Source, *entry, page_, mode, ReadContext());
        return AfterRead(read, mode);
    }
    return false;
}

bool TAutoRunForm::BuildFromStream(TStream& stream, TPageReadMode mode) {
    return AfterRead(ReadPage(stream, page_, mode, ReadContext()), mode);
}

bool TAutoRunForm::AfterRead(bool read, TPageReadMode mode) {
    // What was read stays, even after a failure, as the page's content.
    if (mode == TPageReadMode::Build) ApplyWindowProperties();
    RebuildMenuBar();
    RebuildPopupMenu();
    RebuildStatusBar();
    RebuildToolBar();
    CreateControls();
    StartDocumentObjects();
    surface_->setToolTip(FromAnsi(page_.Hint));
    if (ReadContext().Running) LinkObjects();
    ApplyKeyboardOrder();
    RenderBackground();
    return read;
}

void TAutoRunForm::LinkObjects() {
    for (const auto& [object, group] : ButtonGroups(page_.Objects)) {
        if (auto* button = dynamic_cast<TAuButton*>(object->Control.get())) {
            button->SetGroup(group);
            button->SetDown(object->Props.Checked);
        }
    }
    ApplyCheckGroupsAfterLoad(page_.Objects);
    LinkListObjects(page_.Objects);
}

void TAutoRunForm::ApplyKeyboardOrder() {
    keyboardOrder_ = FormKeyboardOrder(page_.Objects);
    // Controls made of an inner widget take the focus through it, and only
    // widgets that take the focus can be ordered.
    const auto stop = [](const TAutoObject& object) -> QWidget* {
        auto* widget = dynamic_cast<QWidget*>(object.Control.get());
        if (widget && widget->focusProxy()) widget = widget->focusProxy();
        return widget && (widget->focusPolicy() & Qt::TabFocus) ? widget : nullptr;
    };
    std::vector<QWidget*> chain;
    for (const auto* object : keyboardOrder_)
        if (auto* widget = stop(*object)) chain.push_back(widget);
    for (const auto& object : page_.Objects)
        if (auto* widget = stop(*object); widget && !IsFormObject(*object)) chain.push_back(widget);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    // A password or agreement page can be answered at once.
    if (!chain.empty()) chain.front()->setFocus(Qt::OtherFocusReason);
}

void TAutoRunForm::OnEditTextChanged(TObjectWidget* control) {
    const auto* edit = dynamic_cast<TAuSecurityEdit*>(control);
    if (!edit) return;
    const auto length = static_cast<std::size_t>(edit->Editor().text().size());
    if (auto* next = AdvanceTarget(keyboardOrder_, control->Record(), length))
        if (auto* widget = dynamic_cast<QWidget*>(next->Control.get()))
            widget->setFocus(Qt::TabFocusReason);
}

void TAutoRunForm::ApplyWindowProperties() {
    setWindowTitle(FromAnsi(page_.Caption));
    Qt::WindowFlags flags = Qt::Window;
    switch (page_.BorderStyle) {
    case 0:
        flags |= Qt::FramelessWindowHint;
        break;
    case 3:
        flags |= Qt::Dialog;
        break;
    case 4:
    case 5:
        flags |= Qt::Tool;
        break;
    default:
        break;
    }
    // Without a border there is no title bar for the icons; Qt would put a
    // frame back for minimize and maximize buttons.
    if (page_.BorderStyle != 0) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (page_.BorderIcons & biSystemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (page_.BorderIcons & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
        if (page_.BorderIcons & biMaximize) flags |= Qt::WindowMaximizeButtonHint;
        if (page_.BorderIcons & biHelp) flags |= Qt::WindowContextHelpButtonHint;
    }
    setWindowFlags(flags);
    const bool sizeable = page_.BorderStyle == 2 || page_.BorderStyle == 5;
    layout_->setContentsMargins(page_.BorderWidth, page_.BorderWidth, page_.BorderWidth,
                                page_.BorderWidth);

    const QImage icon = StillImage(page_.PageIcon);
    setWindowIcon(icon.isNull() ? QApplication::windowIcon() : QIcon(QPixmap::fromImage(icon)));

    resize(std::max(page_.Width, 80), std::max(page_.Height, 80));
    if (!sizeable) setFixedSize(size());
    if (const auto position =
            PlacedPosition(page_.Position, {page_.Left, page_.Top}, size(), PlacementFrame()))
        move(*position);
    setWindowState(page_.WindowState == 1   ? Qt::WindowMinimized
                   : page_.WindowState == 2 ? Qt::WindowMaximized
                                            : Qt::WindowNoState);
    shadow_->SetColor(ResolveColor(page_.ShadowColor));
    shadow_->setWindowOpacity(page_.ShadowAlpha / 255.0);
}

TPlacementFrame TAutoRunForm::PlacementFrame() const {
    TPlacementFrame frame;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame.Screen = screen->availableGeometry();
        frame.Desktop = screen->virtualGeometry();
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TAutoRunForm*>(window);
            form && form != this && form->IsMainWindow && form->isVisible())
            frame.Main = form->geometry();
    if (Owner && Owner->isVisible()) frame.Owner = Owner->geometry();
    return frame;
}

// The mask is made from what the window shows, once the events that change
// it have settled: grabbing and masking lay the window out again.
void TAutoRunForm::ScheduleTransparency() {
    if (maskPending_) return;
    maskPending_ = true;
    QTimer::singleShot(0, this, [this] {
        maskPending_ = false;
        if (isVisible()) ApplyTransparency();
    });
}

void TAutoRunForm::ApplyTransparency() {
    if (!page_.Transparent) {
        clearMask();
        return;
    }
    // The key colour becomes a hole in the window: its pixels are left out.
    const QImage shot = grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb key = ResolveColor(page_.TransparentColor).rgb() | 0xff000000u;
    setMask(QBitmap::fromImage(shot.createMaskFromColor(key, Qt::MaskInColor)));
}

void TAutoRunForm::CreateControls() {
    // Windowed kinds lie above the drawn kinds whatever their order in the list.
    for (int windowed = 0; windowed < 2; ++windowed)
        for (auto& object : page_.Objects)
            if (IsWindowedKind(object->Kind) == (windowed == 1)) AttachControl(*object);
}

TObjectWidget* TAutoRunForm::AttachControl(TAutoObject& object) {
    auto control = CreateObjectControl(object, surface_);
    if (!control) return nullptr;
    TObjectWidget* widget = control.get();
    object.SetControl(std::move(control));
    // Shell views show their root as soon as they exist, on pages being designed too.
    ApplyShellRoot(object, BaseResolvedFolder(""));
    WireControl(*widget);
    if (ReadContext().Running) {
        ApplyStoredCursor(*widget);
        ApplyVisibility(object);
        ApplyEnabled(object);
    } else {
        widget->show();
    }
    widget->raise();
    return widget;
}

void TAutoRunForm::WireControl(TObjectWidget& control) {
    if (!ReadContext().Running) return;
    connect(&control, &TObjectWidget::Clicked, this, &TAutoRunForm::OnObjectClick);
    connect(&control, &TObjectWidget::MouseDown, this, &TAutoRunForm::OnObjectPress);
    connect(&control, &TObjectWidget::MouseUp, this,
            [this](TObjectWidget* c) { RunMouseUp(c->Record(), *this); });
    connect(&control, &TObjectWidget::MouseMoved, this, &TAutoRunForm::OnObjectMove);
    connect(&control, &TObjectWidget::HoverEntered, this,
            [this](TObjectWidget* c) { HoverEntry(page_.Objects, c->Record(), *this); });
    connect(&control, &TObjectWidget::HoverLeft, this,
            [this](TObjectWidget* c) { HoverExit(page_.Objects, c->Record(), *this); });
    BuildObjectPopupMenu(control);
    if (auto* edit = qobject_cast<TAuSecurityEdit*>(&control))
        connect(edit, &TAuSecurityEdit::TextChanged, this, &TAutoRunForm::OnEditTextChanged);
}

void TAutoRunForm::RenderBackground() {
    const QSize size = surface_->size().isEmpty() ? QSize(1, 1) : surface_->size();
    QImage image(size, QImage::Format_RGB32);
    TPageBackground background;
    background.BackColor = ResolveColor(page_.BackColor);
    background.GradientColor = ResolveColor(page_.GradientColor);
    background.GradientStyle = page_.GradientStyle;
    background.BackImage = StillImage(page_.BackImage);
    background.BackImageStyle = page_.BackImageStyle;
    const auto& environment = PlayerEnvironment();
    if (environment.DesignerMode && !TestRun) {
        background.GridX = environment.DesignGridX;
        background.GridY = environment.DesignGridY;
    }
    RenderPageBackground(image, background);
    surface_->SetBackground(std::move(image));
    ScheduleTransparency();
}

void TAutoRunForm::PositionShadow() {
    shadow_->setGeometry(frameGeometry().translated(page_.ShadowXOff, page_.ShadowYOff));
}

void TAutoRunForm::OnBackgroundClick() {
    RunPageClick({page_.PageKind, page_.ClickContinue, TestRun}, page_.Objects, nullptr, *this);
}

void TAutoRunForm::OnObjectClick(TObjectWidget* control) {
    RunPageClick({page_.PageKind, page_.ClickContinue, TestRun}, page_.Objects, &control->Record(),
                 *this);
}

void TAutoRunForm::OnObjectPress(TObjectWidget* control, Qt::MouseButton, QPoint position) {
    pressPosition_ = position;
    RunMouseDown(control->Record(), *this);
}

void TAutoRunForm::OnObjectMove(TObjectWidget* control, Qt::MouseButtons buttons, QPoint position) {
    // The left button alone: no other button and no Shift, Ctrl or Alt.
    const bool leftAlone =
        buttons == Qt::LeftButton && QGuiApplication::keyboardModifiers() == Qt::NoModifier;
    const auto target =
        WindowMoveTarget(control->Record(), leftAlone, {x(), y()}, {position.x(), position.y()},
                         {pressPosition_.x(), pressPosition_.y()});
    if (target) move(target->X, target->Y);
}

bool TAutoRunForm::ClosesOnAnyInput() const {
    return ((page_.PageKind == pkSplashScreen || page_.PageKind == pkExitForm) &&
            page_.ClickContinue) ||
           TestRun;
}

void TAutoRunForm::keyPressEvent(QKeyEvent* event) {
    if (ClosesOnAnyInput()) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TAutoRunForm::eventFilter(QObject* watched, QEvent* event) {
    // The page sees every key before the control that has the focus.
    if (event->type() == QEvent::KeyPress && watched != this && ClosesOnAnyInput()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TAutoRunForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    PositionShadow();
}

void TAutoRunForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PositionShadow();
}

void TAutoRunForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PrepareAppearance();
    ScheduleTransparency();
}

void TAutoRunForm::hideEvent(QHideEvent* event) {
    shadow_->hide();
    QWidget::hideEvent(event);
}

void TAutoRunForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Coming back to the window fades it in again and restarts its objects.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && shown_ &&
        page_.PageKind != pkScreenBackground && !closing_)
        timer1_.start();
}

// TObjectHost

void TAutoRunForm::PlayEventSound(const std::string& file) {
    const auto path = BaseResolved(file);
    if (!QFileInfo::exists(QString::fromStdString(path))) return;
    eventSound_->Close();
    eventSound_->Play(path);
}

int TAutoRunForm::StatusPanelCount() const {
    return static_cast<int>(page_.StatusPanels.size());
}

std::string TAutoRunForm::StatusPanelText(int index) const {
    return page_.StatusPanels.at(static_cast<std::size_t>(index)).Text;
}

void TAutoRunForm::SetStatusPanelText(int index, const std::string& text) {
    page_.StatusPanels.at(static_cast<std::size_t>(index)).Text = text;
    if (index < static_cast<int>(panelLabels_.size())) {
        panelLabels_[static_cast<std::size_t>(index)]->setText(FromAnsi(text));
        panelLabels_[static_cast<std::size_t>(index)]->repaint();
    }
}

void TAutoRunForm::ClearHoverLook(TAutoObject& object) {
    if (auto* control = dynamic_cast<TObjectWidget*>(object.Control.get()))
        control->ClearHoverLook();
}

void TAutoRunForm::ShowInImage(TAutoObject& image, const TPicture* picture) {
    if (auto* control = dynamic_cast<TObjectWidget*>(image.Control.get()))
        control->ShowCommentPicture(picture);
}

void TAutoRunForm::ClosePage() {
    close();
}

void TAutoRunForm::ValidateForm() {
    const auto verdict = CheckForm(page_.Objects);
    if (verdict.Outcome != TFormVerdict::Accept) {
        platform::ShowInformation(this, FromAnsi(verdict.Caption), FromAnsi(verdict.Text));
        if (verdict.Outcome == TFormVerdict::Stay) return;
    }
    for (const auto& file : verdict.Files)
        RunFile("open", BaseResolved(file.File), kShowNormal, file.Wait,
                BaseResolvedFolder(file.Folder), file.Params);
    SetResult(verdict.Outcome == TFormVerdict::Accept);
    ClosePage();
}

const TCommand* TAutoRunForm::ClickCommandOf(TAutoObject& object) {
    if (HasItemActions(object.Kind)) return ListClickCommand(page_.Objects, object);
    return &object.Props;
}

void TAutoRunForm::ExecuteAction(const TCommand& command) {
    brelvane::ExecuteAction(*this, command);
}

} // namespace brelvane
