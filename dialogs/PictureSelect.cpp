#include "dialogs/PictureSelect.h"

#include "dialogs/DialogSupport.h"
#include "render/PictureImage.h"

#include <QBuffer>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

namespace {
// Runs an action when the watched widget is clicked with the left button.
class TClickWatch : public QObject {
public:
    TClickWatch(QWidget* watched, std::function<void()> action)
        : QObject(watched), action_(std::move(action)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->isEnabled()) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};
} // namespace

QPushButton* PictureSelectButton(QLabel* box, const QString& caption, const char* name,
                                 QWidget* parent, std::function<void()> edit) {
    auto* button = NamedButton(caption, name, parent);
    QObject::connect(button, &QPushButton::clicked, button, [edit] { edit(); });
    new TClickWatch(box, std::move(edit));
    return button;
}

void AddPictureRow(QGridLayout* fields, int row, const QString& caption, QLabel* box,
                   std::initializer_list<QWidget*> buttons) {
    auto* beside = new QHBoxLayout;
    beside->addWidget(box);
    auto* stack = new QVBoxLayout;
    for (auto* button : buttons)
        stack->addWidget(button);
    stack->addStretch();
    beside->addLayout(stack);
    beside->addStretch();
    fields->addWidget(new QLabel(caption, box->parentWidget()), row, 0);
    fields->addLayout(beside, row, 1, 1, 2);
}

TPicture MenuBitmapOf(const TPicture& picture) {
    const QImage frame = DrawnFrame(*PictureImageOf(picture), 0, false);
    if (frame.isNull()) return {};
    // A new bitmap is white; the picture's own transparency shows that.
    QImage bitmap(frame.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter(&bitmap).drawImage(0, 0, frame);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!bitmap.save(&buffer, "BMP")) return {};
    return {TPictureKind::Bitmap, {bytes.begin(), bytes.end()}};
}

} // namespace brelvane
