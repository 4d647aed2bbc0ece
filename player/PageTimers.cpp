// The page window over time: showing, the three timers, fades and sounds.
#include "platform/Shell.h"
#include "player/AutoRunForm.h"
#include "player/MediaObjects.h"
#include "player/PlayerEnvironment.h"
#include "player/ShadowWindow.h"
#include "player/ShellErrors.h"
#include "player/SpecialPages.h"
#include "storage/ErrorReport.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <algorithm>

namespace brelvane {

namespace {
constexpr int kFullOpacity = 255;

bool FileExists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}
} // namespace

void TAutoRunForm::PrepareAppearance() {
    const auto& environment = PlayerEnvironment();
    if (environment.CanFade) {
        if (page_.PageKind == pkScreenBackground) {
            setWindowOpacity(1.0);
        } else {
            rememberedShadowOpacity_ = page_.ShadowAlpha / 255.0;
            shadow_->setWindowOpacity(0.0);
            if (page_.Shadow && isVisible()) {
                PositionShadow();
                shadow_->show();
            }
            timer1_.start();
        }
    }
    timer3_.start();
    timer2_.start();
    secondsShown_ = 0;
    ShowDocumentObjects();
    shown_ = true;
}

void TAutoRunForm::AppearanceStep() {
    timer1_.stop();
    const auto& environment = PlayerEnvironment();
    const auto finish = [this, &environment] {
        if (environment.IsNtPlatform && environment.CanFade)
            shadow_->setWindowOpacity(rememberedShadowOpacity_);
        // A clip is not drawn through window transparency.
        if (StartPageMedia(page_.Objects)) setWindowOpacity(1.0);
        navigationPending_ = false;
    };
    if (navigationPending_) {
        finish();
        return;
    }
    if (environment.IsNtPlatform && page_.Shadow) {
        if (environment.ScreenBackground) environment.ScreenBackground->lower();
        shadow_->raise();
        raise();
    }
    if (environment.CanFade && page_.FadeIn && page_.FadeInDelay > 0 && page_.FadeInStep > 0) {
        setWindowOpacity(0.0);
        StartFade(1.0, page_.FadeInStep, page_.FadeInDelay, finish);
        return;
    }
    if (environment.CanFade) setWindowOpacity(1.0);
    finish();
}

void TAutoRunForm::StartStep() {
    timer2_.stop();
    if (navigationPending_) {
        if (!ShowPage(pendingPage_, TPageReadMode::Replace)) {
            navigationPending_ = false;
            return;
        }
        timer1_.start();
    }
    RunStartAction();
    ApplyCursors();
    StartCallMedia(page_.Objects);
}

void TAutoRunForm::SecondTick() {
    ++secondsShown_;
    if (startSoundStarted_ && startSoundPlaying_ && !startSound_->IsPlaying() &&
        page_.StartSoundLoop && isVisible())
        PlayStartSound();
    if ((page_.PageKind == pkSplashScreen || page_.PageKind == pkExitForm) && page_.StayTime > 0 &&
        secondsShown_ >= page_.StayTime) {
        timer3_.stop();
        close();
        return;
    }
    if (!startSoundStarted_ && secondsShown_ >= page_.StartSoundDelay && isVisible()) {
        startSoundStarted_ = true;
        startSoundPlaying_ = PlayStartSound();
    }
}

void TAutoRunForm::CloseStep(std::function<void()> done) {
    shadow_->hide();
    CloseMedia(page_.Objects);
    const auto& environment = PlayerEnvironment();
    if (!environment.CanFade || page_.PageKind == pkScreenBackground) {
        done();
        return;
    }
    setWindowOpacity(1.0);
    if (page_.FadeOut && page_.FadeOutDelay > 0 && page_.FadeOutStep > 0) {
        StartFade(0.0, page_.FadeOutStep, page_.FadeOutDelay, [this, done] {
            setWindowOpacity(0.0);
            done();
        });
        return;
    }
    setWindowOpacity(0.0);
    done();
}

// The opacity moves in whole steps of 1/255 with a pause after each setting;
// the steps run on a timer so the window keeps painting during a fade.
void TAutoRunForm::StartFade(double target, int step, int delay, std::function<void()> done) {
    fadeTarget_ = target;
    fadeStep_ = step;
    fadeDone_ = std::move(done);
    fadeTimer_.start(delay);
    FadeTick();
}

void TAutoRunForm::FadeTick() {
    const int level = static_cast<int>(windowOpacity() * kFullOpacity + 0.5);
    const bool rising = fadeTarget_ > 0.5;
    const int next =
        rising ? std::min(level + fadeStep_, kFullOpacity) : std::max(level - fadeStep_, 0);
    if ((rising && level >= kFullOpacity) || (!rising && level <= 0)) {
        FinishFade();
        return;
    }
    setWindowOpacity(static_cast<double>(next) / kFullOpacity);
}

void TAutoRunForm::FinishFade() {
    if (!fadeTimer_.isActive() && !fadeDone_) return;
    fadeTimer_.stop();
    setWindowOpacity(fadeTarget_);
    if (auto done = std::exchange(fadeDone_, nullptr)) done();
}

void TAutoRunForm::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && !closing_) {
        closing_ = true;
        insideCloseEvent_ = true;
        CloseStep([this] { AfterCloseStep(); });
        insideCloseEvent_ = false;
    }
    if (!closeConfirmed_) {
        event->ignore();
        return;
    }
    for (auto* timer : {&timer1_, &timer2_, &timer3_})
        timer->stop();
    shadow_->hide();
    event->accept();
    emit Closed();
}

void TAutoRunForm::AfterCloseStep() {
    if (IsMainWindow && shown_ && !ShowExitForm()) {
        closing_ = false;
        PrepareAppearance();
        return;
    }
    closeConfirmed_ = true;
    // After a fade the close request is made again; without one the
    // running close event is accepted.
    if (!insideCloseEvent_) close();
}

void TAutoRunForm::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &TAutoRunForm::Closed, &loop, &QEventLoop::quit);
    show();
    if (!closeConfirmed_) loop.exec();
}

bool TAutoRunForm::PlayStartSound() {
    if (page_.StartSound.empty()) return false;
    const auto path = BaseResolved(page_.StartSound);
    if (!FileExists(path)) {
        ShowError(FileNotFoundText(path));
        return false;
    }
    startSound_->Close();
    return startSound_->Play(path);
}

bool TAutoRunForm::PlayActionSound(const std::string& file) {
    const auto path = BaseResolved(file);
    if (!FileExists(path)) {
        ShowError(ShellErrorMessage(platform::scFileNotFound));
        return false;
    }
    actionSound_->Close();
    return actionSound_->Play(path);
}

void TAutoRunForm::StopActionSound() {
    if (actionSound_->IsPlaying()) actionSound_->Close();
}

void TAutoRunForm::StopAllSounds() {
    page_.StartSoundLoop = false;
    for (auto* channel : {actionSound_.get(), startSound_.get(), eventSound_.get()})
        if (channel->IsPlaying()) channel->Close();
}

} // namespace brelvane
