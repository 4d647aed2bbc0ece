#pragma once

#include "render/AABlend.h"
#include "render/AAMask.h"
#include "storage/FontBlock.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace brelvane {

// What a renderer draws on: the pixels, the font with its colour, and the brush (solid: the
// text area is filled first; Qt::NoBrush: the pixels stay visible behind the text).
struct TAACanvas {
    QImage* Image = nullptr;
    QFont Font;
    QColor FontColor = Qt::black;
    QBrush Brush = QBrush(Qt::white);

    // The stored font as the canvas font and colour.
    void SetFont(const TFont& font);
};

// Anti-aliased text on a canvas, without effects. The mask and the blend bitmaps live as
// long as the renderer and are reused by every call.
class TAAFont {
public:
    explicit TAAFont(TAACanvas* canvas = nullptr) : canvas_(canvas) {}
    virtual ~TAAFont() = default;
    TAAFont(const TAAFont&) = delete;
    TAAFont& operator=(const TAAFont&) = delete;

    TAACanvas* Canvas() const { return canvas_; }
    void SetCanvas(TAACanvas* canvas) { canvas_ = canvas; }
    TAAQuality Quality() const { return mask_.Quality(); }
    void SetQuality(TAAQuality quality) { mask_.SetQuality(quality); }

    // The area TextOut covers for `text`; 0 without a canvas.
    virtual int TextWidth(const QString& text);
    virtual int TextHeight(const QString& text);
    // Draws `text` so that its area starts at (x, y).
    virtual void TextOut(int x, int y, const QString& text);

protected:
    // `text` in the canvas font at the quality's factor, its box rotated by `angle` degrees.
    TAATextLayout Layout(const QString& text, int angle) const;
    TAABlendTarget Target() const { return {canvas_->Image, canvas_->Brush}; }

    TAAMask mask_;
    TAABlend blend_;

private:
    TAACanvas* canvas_;
};

} // namespace brelvane
