#include "render/AAMask.h"

#include "render/ScanlineFill.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <unordered_map>

namespace brelvane {

int QualityFactor(TAAQuality quality) {
    switch (quality) {
    case aqHigh:
        return 4;
    case aqNormal:
        return 3;
    case aqLow:
        return 2;
    case aqNone:
        break;
    }
    return 1;
}

std::uint8_t* TAAMask::Line(int y) {
    if (y < 0 || y >= height_) throw std::out_of_range("Invalid line!");
    return bytes_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
}

const std::uint8_t* TAAMask::Line(int y) const {
    return const_cast<TAAMask*>(this)->Line(y);
}

void TAAMask::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    stride_ = (width_ + 3) & ~3;
    const auto size = static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_);
    if (bytes_.size() < size) bytes_.resize(size);
}

namespace {

// Qt draws glyphs from its glyph cache up to this pixel size and as outlines above it.
constexpr int kMaxCachedGlyphSize = 64;

// A font's outlines by glyph index, flattened to polygons. Qt draws glyphs above its glyph cache
// size as outlines and loads every one through the font library on each call; keeping the
// polygons here makes drawing a text a matter of filling them.
struct TGlyphOutlines {
    QRawFont Raw;
    std::unordered_map<quint32, QList<QPolygonF>> Polygons;

    const QList<QPolygonF>& Outline(quint32 index) {
        auto found = Polygons.find(index);
        if (found == Polygons.end())
            found = Polygons.emplace(index, Raw.pathForGlyph(index).toSubpathPolygons()).first;
        return found->second;
    }
};

// A glyph of the text at its position, the baseline start at the origin.
struct TPlacedGlyph {
    const QList<QPolygonF>* Outline;
    QPointF Position;
};

// One per thread, so the outlines need no locking.
class TGlyphCache {
public:
    // The placement of the text being drawn, kept to reuse its storage.
    std::vector<TPlacedGlyph> Placed;
    // The edges of the glyph being filled, kept to reuse their storage.
    std::vector<TFillEdge> Edges;

    // The outlines of the raw font a glyph run of the text uses.
    std::shared_ptr<TGlyphOutlines> For(const QRawFont& raw) {
        const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(raw.familyName(), raw.styleName())
                                .arg(raw.pixelSize())
                                .arg(raw.weight())
                                .arg(static_cast<int>(raw.style()));
        auto found = fonts_.find(key);
        if (found != fonts_.end()) return found->second;
        // A handful of fonts are in use at a time; forgetting all of them bounds the memory.
        if (fonts_.size() >= kMaxFonts) fonts_.clear();
        auto outlines = std::make_shared<TGlyphOutlines>();
        outlines->Raw = raw;
        fonts_.emplace(key, outlines);
        return outlines;
    }

private:
    static constexpr std::size_t kMaxFonts = 32;
    std::unordered_map<QString, std::shared_ptr<TGlyphOutlines>> fonts_;
};

TGlyphCache& GlyphCache() {
    thread_local TGlyphCache cache;
    return cache;
}

// Lays the text out as drawText does (shaping, kerning, ligatures, fallback fonts) and places
// the cached outlines of its glyphs; false when drawText is to draw it: glyphs small enough for
// Qt's own glyph cache (where it draws hinted bitmaps) and texts with control characters.
bool PlaceGlyphs(TGlyphCache& cache, const QFont& font, const QString& text,
                 std::vector<std::shared_ptr<TGlyphOutlines>>& used, qreal& width) {
    if (QFontInfo(font).pixelSize() <= kMaxCachedGlyphSize) return false;
    for (const QChar c : text)
        if (c.unicode() < 0x20) return false;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) return false;
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const qreal baseline = line.ascent();
    width = line.naturalTextWidth();
    cache.Placed.clear();
    used.clear();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        if (!raw.isValid()) return false;
        std::shared_ptr<TGlyphOutlines> outlines = cache.For(raw);
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            cache.Placed.push_back(
                {&outlines->Outline(indexes[i]), positions[i] - QPointF(0, baseline)});
        used.push_back(std::move(outlines));
    }
    // drawText takes the decoration lines from the font of each run; one font is left here.
    return used.size() <= 1 || (!font.underline() && !font.strikeOut());
}

// Fills the placed glyphs aliased with the baseline start at `origin`, then the underline and
// strike-out lines drawText adds for those font styles.
void FillGlyphs(QPainter& painter, QImage& scratch, TGlyphCache& cache, const QFont& font,
                qreal width, QPointF origin) {
    const QTransform base = painter.transform();
    for (const TPlacedGlyph& glyph : cache.Placed) {
        if (glyph.Outline->isEmpty()) continue;
        const QPointF at = origin + glyph.Position;
        cache.Edges.clear();
        AppendEdges(*glyph.Outline, QTransform::fromTranslate(at.x(), at.y()) * base, cache.Edges);
        FillNonZero(scratch, cache.Edges);
    }
    if (!font.underline() && !font.strikeOut()) return;
    const QFontMetricsF metrics(font);
    QPen pen(Qt::white);
    pen.setWidthF(metrics.lineWidth());
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal left = std::floor(origin.x()), right = std::floor(origin.x() + width);
    if (font.underline()) {
        const qreal y = origin.y() + std::ceil(metrics.underlinePos()) + 0.5;
        painter.drawLine(QLineF(left, y, right, y));
    }
    if (font.strikeOut()) {
        const qreal y = origin.y() - metrics.ascent() / 3.0;
        painter.drawLine(QLineF(left, y, right, y));
    }
}

} // namespace

void TAAMask::Build(const TAATextLayout& layout, const QString& text) {
    Resize(layout.Width, layout.Height);
    const int f = QualityFactor(quality_);
    if (width_ == 0 || height_ == 0) return;
    // Allocating the scratch anew for every text costs more than drawing the text.
    const int scratchWidth = width_ * f, scratchHeight = height_ * f;
    if (scratch_.width() < scratchWidth || scratch_.height() < scratchHeight)
        scratch_ = QImage(std::max(scratchWidth, scratch_.width()),
                          std::max(scratchHeight, scratch_.height()), QImage::Format_Grayscale8);
    QImage scratch(scratch_.bits(), scratchWidth, scratchHeight, scratch_.bytesPerLine(),
                   QImage::Format_Grayscale8);
    // Clearing the rows directly measured far faster here than QImage::fill on the scratch.
    for (int y = 0; y < scratchHeight; ++y)
        std::memset(scratch.scanLine(y), 0, static_cast<std::size_t>(scratchWidth));
    {
        QPainter painter(&scratch);
        painter.setFont(layout.Font);
        painter.setPen(Qt::white);
        const int ascent = QFontMetrics(layout.Font).ascent();
        QPointF origin(0, ascent);
        if (layout.Angle != 0) {
            painter.translate(scratch.width() / 2.0, scratch.height() / 2.0);
            painter.rotate(-layout.Angle);
            origin = QPointF(-layout.TextWidth * f / 2.0, -layout.TextHeight * f / 2.0 + ascent);
        }
        TGlyphCache& cache = GlyphCache();
        // Holds the outlines the placed glyphs point into while they are filled.
        std::vector<std::shared_ptr<TGlyphOutlines>> used;
        qreal width = 0;
        // At angles between the quarters Qt's edges fall a little differently from the filled
        // outlines'; drawText keeps those.
        if (layout.Angle % 90 == 0 && PlaceGlyphs(cache, layout.Font, text, used, width))
            FillGlyphs(painter, scratch, cache, layout.Font, width, origin);
        else
            painter.drawText(origin, text);
    }
    Downsample(scratch);
}

namespace {

// Sums one F x F block starting at `top`; each F has its own weights.
template <int F> int BlockValue(const std::uint8_t* top, qsizetype stride);

template <> int BlockValue<4>(const std::uint8_t* p, qsizetype s) {
    int sum = 0;
    for (int r = 0; r < 4; ++r, p += s)
        sum += p[0] + p[1] + p[2] + p[3];
    return sum >> 4;
}

// Top-right and bottom-left count half, so the weights are 1 1 1/2, 1 1 1, 1/2 1 1.
template <> int BlockValue<3>(const std::uint8_t* p, qsizetype s) {
    const std::uint8_t* q = p + s;
    const std::uint8_t* r = q + s;
    return (p[0] + p[1] + (p[2] >> 1) + q[0] + q[1] + q[2] + (r[0] >> 1) + r[1] + r[2]) >> 3;
}

template <> int BlockValue<2>(const std::uint8_t* p, qsizetype s) {
    return (p[0] + p[1] + p[s] + p[s + 1]) >> 2;
}

template <> int BlockValue<1>(const std::uint8_t* p, qsizetype) {
    return p[0];
}

template <int F> void DownsampleBy(TAAMask& mask, const QImage& scratch) {
    const qsizetype stride = scratch.bytesPerLine();
    for (int y = 0; y < mask.Height(); ++y) {
        const std::uint8_t* top = scratch.constScanLine(y * F);
        std::uint8_t* out = mask.Line(y);
        for (int x = 0; x < mask.Width(); ++x, top += F)
            out[x] = static_cast<std::uint8_t>(BlockValue<F>(top, stride));
    }
}

} // namespace

void TAAMask::Downsample(const QImage& scratch) {
    const int f = QualityFactor(quality_);
    if (scratch.format() != QImage::Format_Grayscale8 || scratch.width() < width_ * f ||
        scratch.height() < height_ * f)
        throw std::invalid_argument("scratch smaller than the mask");
    switch (f) {
    case 4:
        return DownsampleBy<4>(*this, scratch);
    case 3:
        return DownsampleBy<3>(*this, scratch);
    case 2:
        return DownsampleBy<2>(*this, scratch);
    default:
        return DownsampleBy<1>(*this, scratch);
    }
}

} // namespace brelvane
