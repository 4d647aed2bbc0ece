#pragma once

#include "storage/ProjectSettings.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

namespace brelvane {

// The customized hint window: a balloon with pointer, shadow and border
// placed around the mouse, its outside showing what lies behind it.
class TNewHint : public QWidget {
    Q_OBJECT
public:
    // `richBackgrounds` lets the picture and gradient backgrounds be drawn.
    TNewHint(const THintSettings& settings, bool richBackgrounds);

    // The text rectangle of `text` wrapped at `maxWidth`, at (0, 0).
    QRect CalcHintRect(int maxWidth, const QString& text) const;
    // Shows `text` in a balloon for the text rectangle `rect`, whose top left
    // corner is the mouse point, on the screen under that point.
    void ActivateHint(const QRect& rect, const QString& text);
    // The same on `screen` (global geometry); what lies behind the balloon
    // is taken from `behind` when given, else from the screen and the
    // active window.
    void ActivateHintOn(const QRect& rect, const QString& text, const QRect& screen,
                        const QImage* behind = nullptr);
    // Draws the balloon into the work image.
    void Paint();

    int UsedDirection() const { return direction_; }
    const QImage& WorkImage() const { return work_; }
    const QString& Text() const { return text_; }
    const THintSettings& Settings() const { return settings_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CaptureBehind(const QRect& window);

    THintSettings settings_;
    QImage backImage_;
    bool richBackgrounds_;
    int direction_ = 0;
    QImage work_;
    QString text_;
};

// The geometry of the screen under `point`, or of the primary screen.
QRect ScreenGeometryAt(QPoint point);

} // namespace brelvane
