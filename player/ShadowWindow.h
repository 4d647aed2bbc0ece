#pragma once

#include <QColor>
#include <QWidget>

namespace brelvane {

// The drop shadow: a borderless, disabled, translucent window of the page's
// size that lies just below and offset from the page window.
class TShadowWindow : public QWidget {
    Q_OBJECT
public:
    TShadowWindow();
    void SetColor(QColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_ = Qt::black;
};

} // namespace brelvane
