#include "objects/controls/AuAvi.h"

#include "objects/records/AviPayload.h"
#include "storage/FilePaths.h"
#include "storage/avi/AviFrameDecoder.h"

#include <QPainter>

namespace brelvane {

namespace {
// A clip without a rate of its own plays at the animation control's usual 15 frames a second.
constexpr int kDefaultFrameMs = 66;

int FrameMs(std::uint32_t microSecPerFrame) {
    if (microSecPerFrame == 0) return kDefaultFrameMs;
    return static_cast<int>(std::max<std::uint32_t>(1, (microSecPerFrame + 500) / 1000));
}
} // namespace

TAuAVI::TAuAVI(TAutoObject& object, QWidget* parent) : TObjectWidget(object, parent) {
    connect(&timer_, &QTimer::timeout, this, &TAuAVI::NextFrame);
}

TAuAVI::~TAuAVI() = default;

void TAuAVI::Stop() {
    timer_.stop();
    movie_.reset();
    decoder_.reset();
    picture_ = QImage();
    frame_ = -1;
    update();
}

bool TAuAVI::PlayClip(const std::string& base) {
    Stop();
    const auto* payload = PayloadAs<TAviPayload>();
    if (!payload || payload->FileName.empty()) return false;
    std::string file = payload->FileName;
    if (file.front() != '\\') file.insert(file.begin(), '\\');
    movie_ = LoadAviMovie(ResolvePath(base + file));
    if (!movie_ || movie_->Clip.Frames.empty()) {
        movie_.reset();
        return false;
    }
    decoder_ = std::make_unique<TAviFrameDecoder>(movie_->Clip);
    NextFrame();
    timer_.start(FrameMs(movie_->Clip.MicroSecPerFrame));
    return true;
}

void TAuAVI::NextFrame() {
    if (!movie_) return;
    const auto count = static_cast<int>(movie_->Clip.Frames.size());
    frame_ = (frame_ + 1) % count;
    // Each pass starts from a black picture, as the first frame did.
    if (frame_ == 0) decoder_ = std::make_unique<TAviFrameDecoder>(movie_->Clip);
    decoder_->Decode(movie_->FrameData(static_cast<std::size_t>(frame_)));
    picture_ = QImage(reinterpret_cast<const uchar*>(decoder_->Pixels().data()), decoder_->Width(),
                      decoder_->Height(), QImage::Format_RGB32);
    update();
}

QRect TAuAVI::FrameRect() const {
    if (picture_.isNull()) return {};
    return QRect(QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2),
                 picture_.size());
}

void TAuAVI::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(FrameRect().topLeft(), picture_);
}

} // namespace brelvane
