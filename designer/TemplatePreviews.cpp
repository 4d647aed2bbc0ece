#include "designer/TemplatePreviews.h"

#include "designer/PageHost.h"
#include "designer/TemplateLibrary.h"
#include "objects/controls/ObjectWidget.h"
#include "objects/records/ObjectStream.h"
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "project/PageStream.h"
#include "storage/BmpCodec.h"
#include "storage/SaveFile.h"

#include <QFile>
#include <QPainter>
#include <filesystem>

namespace brelvane {

namespace {
constexpr int kPageMargin = 5;
const QColor kOutline(224, 224, 224);

// `picture` stretched into the place FitIconRect gives it on `canvas`.
void StretchInto(QImage& canvas, const QImage& picture, int margin) {
    const QRect place =
        FitIconRect(canvas.width(), canvas.height(), margin, picture.width(), picture.height());
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(place, picture);
}

TRasterImage RasterOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    TRasterImage raster = TRasterImage::Filled(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
        std::copy(line, line + argb.width(), raster.Row(y));
    }
    return raster;
}
} // namespace

QImage RenderPagePreview(const std::string& templatePath) {
    TPageRecord page;
    if (!LoadPageFile(templatePath, page, TPageReadMode::Build, {})) return {};
    TMemoryStream stream;
    if (!WritePage(stream, page)) return {};
    stream.Seek(0);
    TPageHost host;
    host.TestRun = true;
    if (!host.Load(stream)) return {};
    const QImage panel = host.PaintPanel();

    QImage preview(kPagePreviewSize, QImage::Format_RGB32);
    preview.fill(Qt::white);
    {
        QPainter painter(&preview);
        painter.setPen(kOutline);
        painter.setBrush(Qt::white);
        // Windows' Rectangle(0, 0, 127, 95): right and bottom edges exclusive.
        painter.drawRect(0, 0, kPagePreviewSize.width() - 2, kPagePreviewSize.height() - 2);
    }
    StretchInto(preview, panel, kPageMargin);
    return preview;
}

QImage RenderObjectPreview(const std::string& templatePath) {
    auto object = LoadObjectFile(templatePath);
    if (!object) return {};
    QWidget box;
    box.setAttribute(Qt::WA_DontShowOnScreen);
    box.setAutoFillBackground(true);
    box.setPalette(QPalette(Qt::white));
    TAutoRunForm scratch;
    auto& objects = scratch.Page().Objects;
    objects.push_back(std::move(object));
    QWidget* control = scratch.AttachControl(*objects.back());
    QImage picture;
    if (control) {
        const QSize size = control->size().expandedTo(QSize(1, 1));
        box.resize(size);
        control->setParent(&box);
        control->move(0, 0);
        control->show();
        box.show();
        picture = QImage(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        box.render(&picture);
        // The page frees the control with its object.
        control->setParent(scratch.Surface());
    }
    QImage preview(kObjectPreviewSize, QImage::Format_RGB32);
    preview.fill(Qt::white);
    if (!picture.isNull()) StretchInto(preview, picture, 0);
    return preview;
}

QImage UnreadablePreview(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(160, 160, 160), 2));
    const QRect box =
        QRect(QPoint(0, 0), size)
            .adjusted(size.width() / 3, size.height() / 3, -size.width() / 3, -size.height() / 3);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    return image;
}

bool SavePreviewFile(const std::string& path, const QImage& preview) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const auto bytes = EncodeBmp(RasterOf(preview));
    try {
        return SaveFileAtomically(path, [&bytes](TStream& stream) {
            stream.Write(bytes.data(), bytes.size());
            return true;
        });
    } catch (const StreamError&) {
        return false;
    }
}

QImage TPreviewSource::Preview(const std::string& folder, const std::string& name) {
    QImage cached(QString::fromStdString(PreviewPathOf(folder, name)), "BMP");
    if (!cached.isNull()) return cached;
    return Render(folder, name);
}

QImage TPreviewSource::Render(const std::string& folder, const std::string& name) {
    ++rendered_;
    const auto path = folder + "/" + name;
    QImage preview =
        kind_ == TTemplateKind::Page ? RenderPagePreview(path) : RenderObjectPreview(path);
    if (!preview.isNull()) SavePreviewFile(PreviewPathOf(folder, name), preview);
    return preview;
}

} // namespace brelvane
