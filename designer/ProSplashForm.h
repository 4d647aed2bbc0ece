#pragma once

#include <QTimer>
#include <QWidget>

namespace brelvane {

// The designer's start splash: fades in when shown and out when closed.
class TProSplashForm : public QWidget {
    Q_OBJECT
public:
    TProSplashForm();
    // Shows the splash and starts the fade-in (+30 every 10 ms).
    void FadeIn();
    // Fades out (-20 every 10 ms) and then frees the window.
    void FadeOutAndFree();
    int Alpha() const { return alpha_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Step();

    QImage picture_;
    QTimer timer_;
    int alpha_ = 0;
    int step_ = 0;
};

} // namespace brelvane
