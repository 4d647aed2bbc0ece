#include "designer/ShadowPreview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace brelvane {

QColor BlendShadow(const QColor& background, const QColor& shadow, int alpha) {
    const double a = std::clamp(alpha, 0, 255);
    const auto channel = [a](int back, int front) {
        const double value = (255.0 - a) * back / 255.0 + a * front / 255.0;
        return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
    };
    return QColor(channel(background.red(), shadow.red()),
                  channel(background.green(), shadow.green()),
                  channel(background.blue(), shadow.blue()));
}

QImage RenderShadowPreview(const QSize& size, const QColor& background,
                           const std::optional<QRect>& shadowRect, const QColor& shadow,
                           int alpha) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(background);
    if (shadowRect) {
        QPainter painter(&image);
        painter.fillRect(*shadowRect, BlendShadow(background, shadow, alpha));
    }
    return image;
}

} // namespace brelvane
