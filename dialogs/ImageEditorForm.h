#pragma once

#include "storage/PictureBlock.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace brelvane {

// Where the image editor loads from and saves to; tests install scripted
// answers. Nothing when the user cancels.
struct TImageFilePrompts {
    std::function<std::optional<QString>(QWidget* owner, const QString& filter)> Open;
    std::function<std::optional<QString>(QWidget* owner, const QString& filter,
                                         const QString& suffix)>
        Save;
};
// The platform's file dialogs.
TImageFilePrompts DesktopImageFilePrompts();

// The label of a picture: its kind, two blanks and "[W X H]" ("[None]").
QString PictureLabel(const TPicture& picture);
// The size at which the preview shows a picture of `size` in a box of `box`:
// its own when it fits, else shrunk to fit with its aspect ratio kept.
QSize PreviewSize(QSize size, QSize box);
// Whether the picture survives being written and read back three times and
// still decodes.
bool PictureRoundTrips(const TPicture& picture);

// The picture on a checkerboard, at the preview size, centred.
class TCheckerPreview : public QWidget {
    Q_OBJECT
public:
    explicit TCheckerPreview(QWidget* parent = nullptr);
    void SetImage(QImage image);
    // Where the picture is drawn; empty without a picture.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// "Image Editor": a picture loaded, saved or cleared.
class TImageEditorForm : public QDialog {
    Q_OBJECT
public:
    TImageEditorForm(QWidget* owner, const TPicture& picture, bool iconOnly,
                     TImageFilePrompts prompts);

    const TPicture& Picture() const { return picture_; }
    bool Changed() const { return changed_; }
    QLabel* KindLabel() const { return label_; }
    TCheckerPreview* Preview() const { return preview_; }

    // Shows `picture` in place of the present one and marks the editor changed.
    void TakePicture(TPicture picture);

    // "&OK": refuses a picture that does not round-trip, or that is not an
    // icon when only icons are taken.
    void accept() override;

private:
    void Show();
    void Load();
    void SaveAs();
    void Clear();

    TPicture picture_;
    bool iconOnly_;
    TImageFilePrompts prompts_;
    bool changed_ = false;
    QLabel* label_ = nullptr;
    TCheckerPreview* preview_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* clear_ = nullptr;
};

// True (and `picture` replaced) when accepted after a load or clear.
bool EditImage(QWidget* owner, TPicture& picture, bool iconOnly = false,
               TImageFilePrompts prompts = DesktopImageFilePrompts());

} // namespace brelvane
