#pragma once

#include "objects/controls/ObjectWidget.h"
#include "storage/avi/AviClip.h"

#include <QImage>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

namespace brelvane {

class TAviFrameDecoder;

// Kind 10: a silent clip at its own frame size, centred in the object,
// played without end from the first frame at the clip's rate. A clip that
// cannot be played shows nothing.
class TAuAVI final : public TObjectWidget {
    Q_OBJECT
public:
    TAuAVI(TAutoObject& object, QWidget* parent);
    ~TAuAVI() override;

    // Opens base + FileName (leading backslash added) and starts it; false,
    // and nothing shown, when the clip cannot be played.
    bool PlayClip(const std::string& base);
    void Stop();

    bool Playing() const { return timer_.isActive(); }
    int FrameIndex() const { return frame_; }
    // The picture of the current frame (null before a clip plays).
    const QImage& FramePicture() const { return picture_; }
    QRect FrameRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void NextFrame();

    std::optional<TAviMovie> movie_;
    std::unique_ptr<TAviFrameDecoder> decoder_;
    QImage picture_;
    QTimer timer_;
    int frame_ = -1;
};

} // namespace brelvane
