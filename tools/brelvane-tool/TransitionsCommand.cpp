#include "TransitionsCommand.h"

#include "render/TransitionStyles.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace brelvane {
namespace {

constexpr int kWidth = 192;
constexpr int kHeight = 144;
constexpr int kGap = 6;
constexpr int kTitle = 22;
constexpr int kFrames = 9;
constexpr int kStep = 4; // the control's default

// Old picture: a dark blue grid with an orange disc on the left and a white diagonal.
QImage OldPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(20, 30, 90));
    QPainter p(&image);
    p.setPen(QColor(70, 90, 170));
    for (int x = 0; x < kWidth; x += 16)
        p.drawLine(x, 0, x, kHeight);
    for (int y = 0; y < kHeight; y += 16)
        p.drawLine(0, y, kWidth, y);
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(0, kHeight, kWidth, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 140, 30));
    p.drawEllipse(QPoint(kWidth / 4, kHeight / 2), 34, 34);
    return image;
}

// New picture: light vertical gradient, an arrow pointing right, and marks in the corners
// that tell its sides apart, so mirrored, moved and turned frames can be seen.
QImage NewPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 0, kHeight);
    gradient.setColorAt(0, QColor(250, 250, 170));
    gradient.setColorAt(1, QColor(110, 200, 120));
    p.fillRect(image.rect(), gradient);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 40));
    p.drawPolygon(QPolygon({QPoint(40, 55), QPoint(110, 55), QPoint(110, 35), QPoint(160, 72),
                            QPoint(110, 109), QPoint(110, 89), QPoint(40, 89)}));
    p.setBrush(Qt::black);
    p.drawRect(0, 0, 24, 24);
    p.setBrush(QColor(30, 60, 220));
    p.drawRect(kWidth - 48, kHeight - 12, 48, 12);
    for (int x = 0; x < kWidth; x += 12)
        p.drawRect(x, kHeight - 4, 6, 4);
    return image;
}

QImage ContactSheet(int number, const TEffect& style, const QImage& oldPicture,
                    const QImage& newPicture) {
    QImage sheet(kFrames * (kWidth + kGap) + kGap, kTitle + kHeight + 2 * kGap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    p.setPen(Qt::white);
    p.drawText(QRect(kGap, 0, sheet.width(), kTitle + kGap), Qt::AlignVCenter,
               QString("%1 - %2   (progress 10 ... 90, step %3)")
                   .arg(number)
                   .arg(QString::fromLatin1(style.Name))
                   .arg(kStep));
    for (int i = 0; i < kFrames; ++i) {
        QImage frame = oldPicture.copy();
        style.Proc(frame, newPicture, frame.rect(), kStep, 10 * (i + 1));
        p.drawImage(kGap + i * (kWidth + kGap), kTitle + kGap, frame);
    }
    return sheet;
}

QString SheetName(int number, const char* name) {
    QString slug = QString::fromLatin1(name).toLower();
    for (QChar& c : slug) {
        if (!c.isLetterOrNumber()) c = '-';
    }
    return QString("%1-%2.png").arg(number, 3, 10, QChar('0')).arg(slug);
}

} // namespace

int RunTransitionsCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brelvane-tool transitions OUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromStdString(args[0]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", args[0].c_str());
        return 1;
    }
    const QImage oldPicture = OldPicture();
    const QImage newPicture = NewPicture();
    int number = 0;
    for (const TEffect& style : TransitionStyles()) {
        ++number;
        const QString path = out.filePath(SheetName(number, style.Name));
        if (!ContactSheet(number, style, oldPicture, newPicture).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("%d contact sheets written to %s\n", number, args[0].c_str());
    return 0;
}

} // namespace brelvane
