#include "AATestImages.h"

#include <QGuiApplication>

namespace brelvane {

void AATest::SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "render_tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance()) new QGuiApplication(argc, argv);
}

TAAMask MaskOf(const std::vector<std::vector<int>>& rows) {
    TAAMask mask;
    mask.Resize(rows.empty() ? 0 : static_cast<int>(rows.front().size()),
                static_cast<int>(rows.size()));
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            mask.Line(y)[x] = static_cast<std::uint8_t>(rows[y][x]);
    return mask;
}

std::vector<std::vector<int>> RowsOf(const TAAMask& mask) {
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < mask.Height(); ++y)
        rows.emplace_back(mask.Line(y), mask.Line(y) + mask.Width());
    return rows;
}

QPointF CoverageCentre(const TAAMask& mask) {
    double sx = 0, sy = 0, total = 0;
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x) {
            const int v = mask.Line(y)[x];
            sx += x * v;
            sy += y * v;
            total += v;
        }
    return total == 0 ? QPointF() : QPointF(sx / total, sy / total);
}

long CoverageSum(const TAAMask& mask) {
    long sum = 0;
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            sum += mask.Line(y)[x];
    return sum;
}

QRect InkBox(const QImage& image, QRgb background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) != (background | 0xFF000000u))
                box |= QRect(x, y, 1, 1);
    return box;
}

double InkMean(const QImage& image, const QRect& area, QRgb background, int shift) {
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
            if (pixel == (background | 0xFF000000u)) continue;
            sum += (pixel >> shift) & 0xFF;
            ++count;
        }
    return count == 0 ? -1 : sum / count;
}

} // namespace brelvane
