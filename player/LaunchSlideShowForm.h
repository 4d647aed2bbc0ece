#pragma once

#include "objects/records/AutoObject.h"
#include "platform/Media.h"

#include <QDialog>
#include <QImage>
#include <memory>
#include <string>

namespace brelvane {

class TAuMedia;
class TAuSlideShow;

// The size a picture of `picture` is shown at on a client area of `client`:
// its own when it fits, else scaled to fit with its proportions kept.
QSize FittedViewerSize(QSize picture, QSize client);

// The full-screen viewer of the actions "Show Picture", "Launch Media File"
// and "Launch Slide Show": a frameless black form over one screen that any
// key or click closes. Closing stops the slide show and its music.
class TLaunchSlideShowForm : public QDialog {
    Q_OBJECT
public:
    // Covers `screen` (global geometry).
    TLaunchSlideShowForm(const QRect& screen, QWidget* parent = nullptr);
    ~TLaunchSlideShowForm() override;

    // Each builds the form's content from an absolute path (or, for the
    // show, a stored argument with base-relative paths against `base`) and
    // gives false, with nothing built, when it cannot be shown.
    bool PreparePicture(const std::string& path);
    bool PrepareMediaFile(const std::string& path);
    bool PrepareSlideShow(const std::string& argument, const std::string& base);

    // Where the picture lies on the form and what it shows; null without one.
    QRect PictureRect() const { return pictureRect_; }
    const QImage& Picture() const { return picture_; }
    TAuMedia* MediaPlayer() const;
    TAuSlideShow* SlideShow() const;
    platform::SoundChannel& Music() { return *music_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    // Gives the form's object the kind and a payload covering the client area.
    template <class P> P& AddObject(std::uint8_t kind);
    void WatchInput();

    QImage picture_;
    QRect pictureRect_;
    TAutoObject object_;
    std::unique_ptr<platform::SoundChannel> music_;
};

// The actions: each resolves its files against the base folder, shows the
// viewer modally over the screen of `page` and gives whether it showed.
bool ShowPicture(QWidget* page, const std::string& file);
bool LaunchMediaFile(QWidget* page, const std::string& file);
bool LaunchSlideShow(QWidget* page, const std::string& argument);

} // namespace brelvane
