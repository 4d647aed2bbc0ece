#pragma once

#include "objects/records/ObjectHost.h"
#include "platform/Media.h"
#include "player/WindowPlacement.h"
#include "project/PageRecord.h"
#include "project/PageStream.h"

#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

class QMenuBar;
class QMenu;
class QStatusBar;
class QTabBar;
class QToolBar;
class QLabel;
class QVBoxLayout;

namespace brelvane {

class TObjectWidget;
class TPageSurface;
class TShadowWindow;

// A page of a running menu in its own window, built from its page stream.
class TAutoRunForm : public QWidget, public TObjectHost {
    Q_OBJECT
public:
    explicit TAutoRunForm(QWidget* parent = nullptr);
    ~TAutoRunForm() override;

    // The player's main window: selects the first main page and builds it.
    bool BuildMainPage();
    // Loads the page named `name` from the current data source.
    bool BuildPage(const std::string& name, TPageReadMode mode);
    // Builds from a stream (designer preview and tests).
    bool BuildFromStream(TStream& stream, TPageReadMode mode);

    const TPageRecord& Page() const { return page_; }
    TPageRecord& Page() { return page_; }

    // Navigation: mode Replace swaps this window's content ("Goto Page"),
    // mode Build shows the page in a new modal window ("Show Sub Page").
    // True when the caller must close too.
    bool ShowPage(const std::string& name, TPageReadMode mode);
    // "Goto Page": remembered and carried out by the start step.
    void RequestNavigation(const std::string& name);
    // Shows the window modally and returns when it has closed.
    void ShowModal();

    // The action sound channel; false when the file is missing (a message says so).
    bool PlayActionSound(const std::string& file);
    bool PlayStartSound();
    void StopAllSounds();
    void StopActionSound();

    bool Result = false;
    bool ExitAll = false;
    bool TestRun = false;
    bool IsMainWindow = false;
    // The page window that opened this one ("Show Sub Page"), for placement.
    QPointer<QWidget> Owner;
    bool Shown() const { return shown_; }
    int SecondsShown() const { return secondsShown_; }
    bool NavigationPending() const { return navigationPending_; }
    const std::string& PendingPage() const { return pendingPage_; }
    // The bars, null until a page of this window first has entries for them.
    QStatusBar* StatusBar() const { return statusBar_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QTabBar* Notebook() const { return notebook_; }
    TPageSurface* Surface() const { return surface_; }
    TShadowWindow* Shadow() const { return shadow_.get(); }

    // The timer steps, public so that tests can drive them without waiting.
    void PrepareAppearance();
    void AppearanceStep();
    void StartStep();
    void SecondTick();
    // Fades out and hides the shadow; `done` runs when the window is faded.
    void CloseStep(std::function<void()> done);
    bool FadeRunning() const { return fadeTimer_.isActive(); }
    // Completes a running fade at once (tests, and closing while fading).
    void FinishFade();

    // TObjectHost
    void PlayEventSound(const std::string& file) override;
    int StatusPanelCount() const override;
    std::string StatusPanelText(int index) const override;
    void SetStatusPanelText(int index, const std::string& text) override;
    void ClearHoverLook(TAutoObject& object) override;
    void ShowInImage(TAutoObject& image, const TPicture* picture) override;
    void ClosePage() override;
    void SetResult(bool accepted) override { Result = accepted; }
    void ValidateForm() override;
    const TCommand* ClickCommandOf(TAutoObject& object) override;
    void ExecuteAction(const TCommand& command) override;

    void RenderBackground();
    void PositionShadow();
    // Creates the control of an object of the page's list on the page, on top
    // of the others; null for a kind without a control.
    TObjectWidget* AttachControl(TAutoObject& object);

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TPageReadContext ReadContext() const;
    bool AfterRead(bool read, TPageReadMode mode);
    void ApplyWindowProperties();
    // Where the page's placement rule puts this window: the screen, the
    // desktop, the main window and the owner as they are now.
    TPlacementFrame PlacementFrame() const;
    void ApplyTransparency();
    void ScheduleTransparency();
    void CreateControls();
    // Clips start, Flash players are made and web views wired once the
    // controls exist; web views navigate when the page is first shown.
    void StartDocumentObjects();
    void ShowDocumentObjects();
    // Check-style groups of buttons and toggles, once all controls exist.
    void LinkObjects();
    // The designer's keyboard order of the form objects, then every other
    // control that takes the focus, once all controls exist.
    void ApplyKeyboardOrder();
    // A full edit box hands the focus on to the next one.
    void OnEditTextChanged(TObjectWidget* control);
    void WireControl(TObjectWidget& control);
    void RunStartAction();
    void ApplyCursors();
    QMenuBar* EnsureMenuBar();
    QToolBar* EnsureToolBar();
    QStatusBar* EnsureStatusBar();
    void RebuildMenuBar();
    void RebuildPopupMenu();
    // The object's own pop-up menu, when it has one, on its control.
    void BuildObjectPopupMenu(TObjectWidget& control);
    void RebuildStatusBar();
    void RebuildToolBar();
    void BuildNotebook();
    // Closing goes on after the fade-out, unless the exit form says no.
    void AfterCloseStep();
    void RunShortCommand(const std::string& hint);
    void OnBackgroundClick();
    void OnObjectClick(TObjectWidget* control);
    void OnObjectPress(TObjectWidget* control, Qt::MouseButton button, QPoint position);
    void OnObjectMove(TObjectWidget* control, Qt::MouseButtons buttons, QPoint position);
    bool ClosesOnAnyInput() const;
    // Steps the window opacity towards `target` by `step` every `delay` ms.
    void StartFade(double target, int step, int delay, std::function<void()> done);
    void FadeTick();

    TPageRecord page_;
    // The form objects in keyboard order; a position is a tab order.
    std::vector<TAutoObject*> keyboardOrder_;
    std::string pageName_;
    QVBoxLayout* layout_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QTabBar* notebook_ = nullptr;
    TPageSurface* surface_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    std::vector<QLabel*> panelLabels_;
    QMenu* popupMenu_ = nullptr;
    std::unique_ptr<TShadowWindow> shadow_;
    std::unique_ptr<platform::SoundChannel> actionSound_;
    std::unique_ptr<platform::SoundChannel> startSound_;
    std::unique_ptr<platform::SoundChannel> eventSound_;
    QTimer timer1_; // appearance step
    QTimer timer2_; // start step
    QTimer timer3_; // seconds
    QTimer fadeTimer_;
    double fadeTarget_ = 1.0;
    int fadeStep_ = 0;
    std::function<void()> fadeDone_;
    double rememberedShadowOpacity_ = 0;
    std::string pendingPage_;
    bool navigationPending_ = false;
    bool shown_ = false;
    bool documentsShown_ = false;
    bool startSoundStarted_ = false;
    bool startSoundPlaying_ = false;
    bool closing_ = false;
    bool closeConfirmed_ = false;
    bool insideCloseEvent_ = false;
    bool maskPending_ = false;
    int secondsShown_ = 0;
    QPoint pressPosition_;
};

} // namespace brelvane
