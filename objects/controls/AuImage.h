#pragma once

#include "objects/controls/LookWidget.h"
#include "render/PictureImage.h"

#include <QTimer>
#include <memory>

namespace brelvane {

struct TImagePayload;

// Kind 2: shows one of three state pictures (or a graphic comment), placed
// as AutoSize, Center, Stretch and Transparent say; animated GIFs play with
// their own delays and loop count.
class TAuImage : public TLookWidget {
    Q_OBJECT
public:
    TAuImage(TAutoObject& object, QWidget* parent);

    // The state pictures may have changed: decoded again and chosen anew.
    void Refresh() override;
    void ShowCommentPicture(const TPicture* picture) override;

    // What is shown now: the frame index of the displayed picture.
    int CurrentFrame() const { return Frame; }
    const TPictureImage* DisplayedPicture() const { return Displayed.get(); }

protected:
    void LooksChanged() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Picks the state picture and shows it when the state differs from the
    // displayed one.
    void ChooseStatePicture();
    void Display(std::shared_ptr<const TPictureImage> picture);
    void NextFrame();
    void UpdateShown();

    std::shared_ptr<const TPictureImage> Down, Normal, Over;
    std::shared_ptr<const TPictureImage> Displayed;
    // The current frame as it is drawn.
    QImage Shown;
    int Frame = 0;
    int Plays = 0;
    QTimer Animation;
};

} // namespace brelvane
