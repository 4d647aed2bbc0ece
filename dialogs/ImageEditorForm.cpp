#include "dialogs/ImageEditorForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/EditorFiles.h"
#include "platform/MessageBoxes.h"
#include "render/PictureImage.h"
#include "storage/PictureCodecs.h"
#include "storage/PictureFiles.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace brelvane {

namespace {
constexpr int kSquare = 8;
constexpr QRgb kSilver = 0xffc0c0c0; // colour value 12632256
const QSize kBox(320, 240);

constexpr const char* kPictureFilter =
    "All pictures (*.bmp *.jpg *.jpeg *.gif *.png *.ico *.emf *.wmf);;Bitmaps (*.bmp);;"
    "JPEG Image File (*.jpg *.jpeg);;GIF Image (*.gif);;"
    "Portable Network Graphics (*.png);;Icons (*.ico);;Metafiles (*.emf *.wmf)";
constexpr const char* kIconFilter = "Icons (*.ico)";

// The file kind a picture is saved as: filter and default extension.
std::pair<QString, QString> SaveKind(const TPicture& picture) {
    switch (picture.Kind) {
    case TPictureKind::Gif:
        return {"GIF Image (*.gif)", "gif"};
    case TPictureKind::Png:
        return {"Portable Network Graphics (*.png)", "png"};
    case TPictureKind::Jpeg:
        return {"JPEG Image File (*.jpg *.jpeg)", "jpg"};
    case TPictureKind::Bitmap:
        return {"Bitmaps (*.bmp)", "bmp"};
    case TPictureKind::Icon:
        return {kIconFilter, "ico"};
    case TPictureKind::Metafile:
        if (!picture.Data.empty() && picture.Data[0] == 0xd7) return {"Metafiles (*.wmf)", "wmf"};
        return {"Enhanced Metafiles (*.emf)", "emf"};
    case TPictureKind::None:
        break;
    }
    return {"All (*.*)", ""};
}

bool Decodes(const TPicture& picture) {
    if (picture.Kind == TPictureKind::Metafile)
        return HasPictureSignature(picture.Kind, picture.Data);
    try {
        DecodePicture(picture);
        return true;
    } catch (const PictureDecodeError&) {
        return false;
    }
}
} // namespace

TImageFilePrompts DesktopImageFilePrompts() {
    return {
        [](QWidget* owner, const QString& filter) -> std::optional<QString> {
            const auto file = QFileDialog::getOpenFileName(owner, {}, {}, filter);
            if (file.isEmpty()) return std::nullopt;
            return file;
        },
        [](QWidget* owner, const QString& filter, const QString& suffix) -> std::optional<QString> {
            QFileDialog dialog(owner, {}, {}, filter);
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(suffix);
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
                return std::nullopt;
            return dialog.selectedFiles().front();
        }};
}

QString PictureLabel(const TPicture& picture) {
    if (picture.Empty() || picture.Data.empty()) return QStringLiteral("None  [None]");
    const QString kind = QString::fromStdString(PictureKindCaption(picture));
    const QSize size = PictureImageOf(picture)->Size();
    if (size.isEmpty()) return kind + "  [None]";
    return kind + QString("  [%1 X %2]").arg(size.width()).arg(size.height());
}

QSize PreviewSize(QSize size, QSize box) {
    if (size.isEmpty() || box.isEmpty()) return {};
    if (size.width() <= box.width() && size.height() <= box.height()) return size;
    const double scale = std::min(static_cast<double>(box.width()) / size.width(),
                                  static_cast<double>(box.height()) / size.height());
    return {std::max(1, static_cast<int>(std::lround(size.width() * scale))),
            std::max(1, static_cast<int>(std::lround(size.height() * scale)))};
}

bool PictureRoundTrips(const TPicture& picture) {
    TPicture current = picture;
    for (int pass = 0; pass < 3; ++pass) {
        TMemoryStream stream;
        if (!WritePicture(stream, current)) return false;
        stream.Seek(0);
        TPicture back;
        if (!ReadPicture(stream, back) || back != current || !Decodes(back)) return false;
        current = std::move(back);
    }
    return true;
}

TCheckerPreview::TCheckerPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("Preview");
    setFixedSize(kBox);
}

void TCheckerPreview::SetImage(QImage image) {
    image_ = std::move(image);
    update();
}

QRect TCheckerPreview::PictureRect() const {
    const QSize shown = PreviewSize(image_.size(), size());
    if (shown.isEmpty()) return {};
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void TCheckerPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int y = 0; y < height(); y += kSquare)
        for (int x = 0; x < width(); x += kSquare)
            painter.fillRect(x, y, kSquare, kSquare,
                             ((x + y) / kSquare) % 2 ? QColor(kSilver) : QColor(Qt::white));
    const QRect target = PictureRect();
    if (target.isEmpty()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}

TImageEditorForm::TImageEditorForm(QWidget* owner, const TPicture& picture, bool iconOnly,
                                   TImageFilePrompts prompts)
    : QDialog(owner), picture_(picture), iconOnly_(iconOnly), prompts_(std::move(prompts)) {
    setObjectName("ImageEditorForm");
    setWindowTitle("Image Editor");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    preview_ = new TCheckerPreview(this);
    label_ = new QLabel(this);
    label_->setObjectName("KindLabel");
    left->addWidget(preview_);
    left->addWidget(label_);
    layout->addLayout(left);
    auto* buttons = new QVBoxLayout;
    auto* load = new QPushButton("&Load...", this);
    save_ = new QPushButton("&Save As...", this);
    clear_ = new QPushButton("&Clear", this);
    for (auto* button : {load, save_, clear_})
        buttons->addWidget(button);
    buttons->addStretch();
    AddOkCancel(this, buttons, "Cancel");
    layout->addLayout(buttons);
    connect(load, &QPushButton::clicked, this, &TImageEditorForm::Load);
    connect(save_, &QPushButton::clicked, this, &TImageEditorForm::SaveAs);
    connect(clear_, &QPushButton::clicked, this, &TImageEditorForm::Clear);
    Show();
}

void TImageEditorForm::Show() {
    const bool present = !picture_.Empty() && !picture_.Data.empty();
    QImage image;
    if (present) {
        const auto drawable = PictureImageOf(picture_);
        if (!drawable->Empty()) image = DrawnFrame(*drawable, 0, false);
    }
    preview_->SetImage(std::move(image));
    label_->setText(PictureLabel(picture_));
    save_->setEnabled(present);
    clear_->setEnabled(present);
}

void TImageEditorForm::Load() {
    const auto file = prompts_.Open ? prompts_.Open(this, iconOnly_ ? kIconFilter : kPictureFilter)
                                    : std::nullopt;
    if (!file) return;
    const auto bytes = ReadEditorFile(this, *file);
    if (!bytes) return;
    auto picture = PictureOfFileBytes({bytes->begin(), bytes->end()});
    if (picture.Empty()) {
        platform::ShowErrorBox(this, "\"" + *file + "\" is not a picture.");
        return;
    }
    TakePicture(std::move(picture));
}

void TImageEditorForm::TakePicture(TPicture picture) {
    picture_ = std::move(picture);
    changed_ = true;
    Show();
}

void TImageEditorForm::SaveAs() {
    const auto [filter, suffix] = SaveKind(picture_);
    const auto file = prompts_.Save ? prompts_.Save(this, filter, suffix) : std::nullopt;
    if (!file) return;
    WriteEditorFile(this, *file,
                    {reinterpret_cast<const char*>(picture_.Data.data()), picture_.Data.size()});
}

void TImageEditorForm::Clear() {
    TakePicture({});
}

void TImageEditorForm::accept() {
    if (!picture_.Empty()) {
        if (!PictureRoundTrips(picture_)) {
            platform::ShowInformation(this, "Information", "The image data is invalid.");
            return;
        }
        if (iconOnly_ && picture_.Kind != TPictureKind::Icon) {
            platform::ShowInformation(this, "Information", "The image is not an icon.");
            return;
        }
    }
    QDialog::accept();
}

bool EditImage(QWidget* owner, TPicture& picture, bool iconOnly, TImageFilePrompts prompts) {
    TImageEditorForm form(owner, picture, iconOnly, std::move(prompts));
    if (form.exec() != QDialog::Accepted || !form.Changed()) return false;
    picture = form.Picture();
    return true;
}

} // namespace brelvane
