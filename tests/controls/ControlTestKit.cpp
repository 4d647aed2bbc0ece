#include "controls/ControlTestKit.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QMouseEvent>

namespace brelvane::test {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "controls_tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

std::unique_ptr<TAutoObject> MakeObject(std::uint8_t kind, int width, int height) {
    auto object = std::make_unique<TAutoObject>();
    object->Kind = kind;
    object->Payload = PayloadCodecOf(kind)->Create();
    object->Payload->Width = width;
    object->Payload->Height = height;
    return object;
}

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

namespace {
TPicture Encoded(const QImage& image, const char* format, TPictureKind kind) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {kind, {bytes.begin(), bytes.end()}};
}

// Appends `value` as `width` bits, least significant first.
void PutBits(std::vector<std::uint8_t>& out, int& used, int value, int width) {
    for (int bit = 0; bit < width; ++bit) {
        if (used % 8 == 0) out.push_back(0);
        if (value >> bit & 1) out.back() = static_cast<std::uint8_t>(out.back() | 1 << used % 8);
        ++used;
    }
}
} // namespace

TPicture PngPicture(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return Encoded(image, "PNG", TPictureKind::Png);
}

TPicture BmpPicture(int width, int height, QColor fill, QColor corner) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    image.setPixelColor(0, height - 1, corner);
    return Encoded(image, "BMP", TPictureKind::Bitmap);
}

TPicture AnimatedGif(const std::vector<QColor>& frames, int delayCs, int loops) {
    std::vector<std::uint8_t> gif{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0xF1, 0, 0};
    // Four palette entries: the frames' colours (at most four).
    for (std::size_t i = 0; i < 4; ++i) {
        const QColor color = i < frames.size() ? frames[i] : QColor(Qt::black);
        gif.insert(gif.end(), {static_cast<std::uint8_t>(color.red()),
                               static_cast<std::uint8_t>(color.green()),
                               static_cast<std::uint8_t>(color.blue())});
    }
    gif.insert(gif.end(), {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3,
                           1, static_cast<std::uint8_t>(loops), 0, 0});
    for (std::size_t i = 0; i < frames.size(); ++i) {
        gif.insert(gif.end(), {0x21, 0xF9, 4, 0x04, static_cast<std::uint8_t>(delayCs), 0, 0, 0});
        gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2});
        // 3-bit codes; a clear code every two pixels keeps the code width fixed.
        std::vector<std::uint8_t> data;
        int used = 0;
        const int index = static_cast<int>(i);
        for (int code : {4, index, index, 4, index, index, 5})
            PutBits(data, used, code, 3);
        gif.push_back(static_cast<std::uint8_t>(data.size()));
        gif.insert(gif.end(), data.begin(), data.end());
        gif.push_back(0);
    }
    gif.push_back(0x3B);
    return {TPictureKind::Gif, gif};
}

void SendEnter(QWidget& widget) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&widget, &event);
}

void SendLeave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

namespace {
void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}
} // namespace

void SendPress(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

void SendRelease(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void SendMove(QWidget& widget, QPoint at, Qt::MouseButtons buttons) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, buttons);
}

void ProcessEventsFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QRect BoundsOf(const QImage& image, QColor color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgba()) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QRect DrawnBounds(const QImage& image, QColor except) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0 && image.pixel(x, y) != except.rgba())
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool IsShifted(const QImage& image, const QImage& reference, QPoint offset) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPoint from = QPoint(x, y) - offset;
            const QRgb expected = reference.rect().contains(from) ? reference.pixel(from) : 0;
            if (image.pixel(x, y) != expected) return false;
        }
    return true;
}

} // namespace brelvane::test
