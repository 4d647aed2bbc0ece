#include "player/WaitWindow.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace brelvane {

TWaitWindow::TWaitWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(243, 30);
    setWindowOpacity(200 / 255.0);
    auto* label = new QLabel("Please Wait...", this);
    auto font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    if (const auto* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

int TWaitWindow::RunWhileShown(const std::function<int()>& work) {
    TWaitWindow window;
    window.show();
    int result = 0;
    QEventLoop loop;
    QTimer::singleShot(10, &window, [&] {
        result = work();
        window.close();
        loop.quit();
    });
    loop.exec();
    return result;
}

} // namespace brelvane
