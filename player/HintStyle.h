#pragma once

#include "player/NewHint.h"
#include "storage/ProjectSettings.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace brelvane {

// Shows every hint of the program (objects, page background, tool buttons)
// in a customized balloon: an application-wide filter takes the platform's
// tooltip requests and shows the balloon after the show pause, hiding it
// after the hide pause or when the pointer leaves. Menu items carry short
// commands in their hints, which never show.
class THintStyle : public QObject {
    Q_OBJECT
public:
    explicit THintStyle(const THintSettings& settings);
    ~THintStyle() override;

    // The timers' work, public so that tests need not wait.
    void ShowDue();
    void HideDue();

    TNewHint& Hint() { return hint_; }
    QTimer& ShowTimer() { return showTimer_; }
    QTimer& HideTimer() { return hideTimer_; }
    QWidget* Owner() const { return owner_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PointerAt(QWidget* widget, QPoint global);
    void Dismiss();

    TNewHint hint_;
    QTimer showTimer_;
    QTimer hideTimer_;
    QPointer<QWidget> owner_;
    QPoint mouse_;
};

// The widget whose hint shows for the pointer over `widget`: it or the
// nearest parent with a hint; null inside menus and for no hint.
QWidget* HintOwner(QWidget* widget);

// With settings, installs the customized hint for the whole application
// (replacing one installed before); with null, removes it, and the
// platform's tooltips come back with their own pauses.
void InstallHintStyle(const THintSettings* settings);
// The installed style, or null.
THintStyle* InstalledHintStyle();

} // namespace brelvane
