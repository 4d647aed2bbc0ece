#include "objects/controls/AACustomText.h"

#include "render/AAWrapLines.h"
#include "render/AnsiText.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace brelvane {

QStringList LinesOf(const std::string& text) {
    QStringList lines = FromAnsi(text).split(QRegularExpression("\r\n|\r|\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

void TAACustomText::SetFonts(const TFontLabels& fonts) {
    if (fonts == fonts_) return;
    fonts_ = fonts;
    Changed();
}

std::vector<TLabeledLine> TAACustomText::Pieces(const TCustomTextParam& text, const TFont& font,
                                                int wrapWidth) {
    const auto reach = text.LabelEffect == leOnlyALine ? leOnlyALine : leUntilNextLabel;
    std::vector<TLabeledLine> pieces;
    for (auto& line :
         ApplyFontLabelsToLines(fonts_, LinesOf(text.Lines), font, text.FontEffect, reach)) {
        if (line.Text.isEmpty()) line.Text = " ";
        if (!text.WordWrap || wrapWidth <= 0) {
            pieces.push_back(std::move(line));
            continue;
        }
        for (const QString& part : Wrapped(line, text.Quality, wrapWidth))
            pieces.push_back({part, line.Font, line.Effect});
    }
    return pieces;
}

QStringList TAACustomText::Wrapped(const TLabeledLine& line, std::uint8_t quality, int width) {
    const int lineWidth = PieceWidth(line, quality);
    if (lineWidth <= width) return {line.Text};
    // Estimated from the average character, then shortened until it fits.
    const auto length = static_cast<int>(line.Text.size());
    int columns = static_cast<int>(static_cast<std::int64_t>(width) * length / lineWidth);
    while (columns > 1 && Renderer().TextWidth(line.Text.left(columns)) > width)
        --columns;
    return WrapLines(line.Text, std::max(2, columns + 1));
}

int TAACustomText::PieceWidth(const TLabeledLine& piece, std::uint8_t quality) {
    UseFont(piece.Font, piece.Effect, quality);
    return Renderer().TextWidth(piece.Text);
}

int TAACustomText::RowHeight(const TLabeledLine& piece, std::uint8_t quality) {
    UseFont(piece.Font, piece.Effect, quality);
    return Renderer().TextHeight(piece.Text + ' ');
}

int TAACustomText::RowAdvance(int rowHeight, std::int16_t rowPitch) {
    return static_cast<int>(std::lround((rowPitch / 100.0 + 1) * rowHeight));
}

void TAACustomText::DrawPiece(QImage& picture, const TLabeledLine& piece, std::uint8_t quality,
                              int x, int y) {
    UseFont(piece.Font, piece.Effect, quality);
    Canvas().Image = &picture;
    Canvas().Brush = Qt::NoBrush;
    Renderer().TextOut(x, y, piece.Text);
    Canvas().Image = nullptr;
}

} // namespace brelvane
