#pragma once

#include "objects/controls/AABackdrop.h"
#include "objects/controls/AACustomText.h"
#include "objects/records/TextPayload.h"

namespace brelvane {

// Several lines of anti-aliased text with font labels and word wrap, drawn
// from the top into one off-screen picture.
class TAAText : public TAACustomText {
    Q_OBJECT
public:
    TAAText(TAutoObject& object, QWidget* parent);

    const TTextParam& Text() const { return text_; }
    void SetText(const TTextParam& text);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);

    const QImage& Picture() const { return picture_; }

protected:
    void RebuildPictures() override;
    void PaintControl(QPainter& painter) override;

private:
    // Sets the size the pieces ask for, as far as AutoSize and docking allow.
    void SizeToPieces(const std::vector<TLabeledLine>& pieces);

    TTextParam text_;
    TFont font_;
    TAABackdrop backdrop_;
    QImage picture_;
};

} // namespace brelvane
