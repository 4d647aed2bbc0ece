#pragma once

#include "objects/controls/AABackdrop.h"
#include "objects/controls/AAGraphicControl.h"

#include <QImage>
#include <QString>

namespace brelvane {

// One line of anti-aliased text. Opaque labels draw it once into an
// off-screen picture; transparent ones draw it on what lies behind them at
// every paint.
class TAALabel : public TAAGraphicControl {
    Q_OBJECT
public:
    TAALabel(TAutoObject& object, QWidget* parent);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    const TAAFontEffect& Effect() const { return effect_; }
    void SetEffect(const TAAFontEffect& effect);

    // Where the caption's area starts, as the last rebuild placed it.
    QPoint TextPosition() const { return textPosition_; }
    // The off-screen picture of an opaque label.
    const QImage& Picture() const { return picture_; }

protected:
    void RebuildPictures() override;
    void PaintControl(QPainter& painter) override;

    // The caption's place for a text of `size` by alignment and layout.
    QPoint PlaceText(QSize size) const;
    // The caption drawn with `font` and `effect` on `picture` at `at`.
    void DrawCaption(QImage& picture, const TFont& font, const TAAEffect& effect, QPoint at);
    // The label's own look: an opaque label's picture, or the caption drawn
    // on what lies behind.
    QImage NormalLook();

private:
    QString caption_;
    TFont font_;
    TAAFontEffect effect_;
    TAABackdrop backdrop_;
    QImage picture_;
    QPoint textPosition_;
};

} // namespace brelvane
