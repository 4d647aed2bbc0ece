#pragma once

#include "objects/controls/AAGraphicControl.h"
#include "objects/controls/AAPlacement.h"
#include "objects/records/TextParams.h"
#include "render/AAFontLabels.h"
#include "storage/FontLabelsBlock.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace brelvane {

// The base of the multi-line controls: font labels switch font and effect
// inside the text, long lines may be wrapped.
class TAACustomText : public TAAGraphicControl {
    Q_OBJECT
public:
    using TAAGraphicControl::TAAGraphicControl;

    const TFontLabels& Fonts() const { return fonts_; }
    void SetFonts(const TFontLabels& fonts);

    // The text has been laid out anew.
    std::function<void()> OnTextReady;

protected:
    // The lines of `text` with their labels applied, starting from `font` and
    // the text's effect, an empty line standing for one blank. With `wrapWidth`
    // above 0 and WordWrap on, lines wider than it are wrapped.
    std::vector<TLabeledLine> Pieces(const TCustomTextParam& text, const TFont& font,
                                     int wrapWidth);
    // A piece's size in its own font and effect at `quality`.
    int PieceWidth(const TLabeledLine& piece, std::uint8_t quality);
    // The height of the piece with a blank appended: one row of the text.
    int RowHeight(const TLabeledLine& piece, std::uint8_t quality);
    // The advance from one row to the next.
    static int RowAdvance(int rowHeight, std::int16_t rowPitch);
    void DrawPiece(QImage& picture, const TLabeledLine& piece, std::uint8_t quality, int x, int y);

private:
    QStringList Wrapped(const TLabeledLine& line, std::uint8_t quality, int width);

    TFontLabels fonts_;
};

// The line list held in a stored text: lines end with CR LF (CR or LF alone
// count as well), and a final line end does not start another line.
QStringList LinesOf(const std::string& text);

} // namespace brelvane
