#include "objects/controls/AAText.h"

#include <QPainter>
#include <algorithm>

namespace brelvane {

TAAText::TAAText(TAutoObject& object, QWidget* parent) : TAACustomText(object, parent) {
    backdrop_.Set(text_);
    SetAutoSize(false);
}

void TAAText::SetText(const TTextParam& text) {
    text_ = text;
    backdrop_.Set(text_);
    Changed();
}

void TAAText::SetFont(const TFont& font) {
    if (font == font_) return;
    font_ = font;
    Changed();
}

void TAAText::SizeToPieces(const std::vector<TLabeledLine>& pieces) {
    int widest = 0, total = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        widest = std::max(widest, PieceWidth(pieces[i], text_.Quality));
        const int row = RowHeight(pieces[i], text_.Quality);
        total += i + 1 < pieces.size() ? RowAdvance(row, text_.RowPitch) : row;
    }
    const int border = 2 * Border();
    resize(SizesWidth() && !text_.WordWrap ? widest + border : width(),
           SizesHeight() ? total + border : height());
}

void TAAText::RebuildPictures() {
    auto pieces = Pieces(text_, font_, width() - 2 * Border());
    if (AutoSize()) SizeToPieces(pieces);
    if (text_.Transparent) {
        picture_ = ContentBehind(*this);
    } else {
        picture_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        backdrop_.Paint(picture_);
    }
    int y = Border();
    for (const auto& piece : pieces) {
        if (y > height() - Border()) break;
        const int x =
            AlignedX(text_.Alignment, width(), PieceWidth(piece, text_.Quality), Border());
        DrawPiece(picture_, piece, text_.Quality, x, y);
        y += RowAdvance(RowHeight(piece, text_.Quality), text_.RowPitch);
    }
    if (OnTextReady) OnTextReady();
}

void TAAText::PaintControl(QPainter& painter) {
    painter.drawImage(QPoint(0, 0), picture_);
}

} // namespace brelvane
