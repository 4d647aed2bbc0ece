#pragma once

#include "objects/controls/LookWidget.h"
#include "render/PictureImage.h"

#include <QFont>
#include <memory>

namespace brelvane {

struct TImageButtonPayload;

// Kind 1: a button of three pictures and three fonts by state, on a push
// button face, a flat frame or nothing.
class TAuImageButton : public TLookWidget {
    Q_OBJECT
public:
    TAuImageButton(TAutoObject& object, QWidget* parent);

    void Refresh() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A state picture decoded for drawing.
    struct TStatePicture {
        std::shared_ptr<const TPictureImage> Image;
        QImage Drawn;
    };
    static TStatePicture Prepare(const TPicture& picture);
    // Draws the face on `rect` and shrinks it as the face demands.
    void DrawFace(QPainter& painter, QRect& rect, std::uint8_t style, bool active) const;

    TStatePicture DownPicture, NormalPicture, OverPicture;
};

} // namespace brelvane
