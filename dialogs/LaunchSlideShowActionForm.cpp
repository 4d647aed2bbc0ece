#include "dialogs/LaunchSlideShowActionForm.h"

#include "render/TransitionStyles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brelvane {

namespace {
TSlideShowArgument SlideShowDefaults() {
    TSlideShowArgument defaults;
    defaults.Loop = true;
    defaults.ImageStyle = 3; // ShrinkFit
    defaults.Step = 4;
    defaults.StepDelay = 50;
    defaults.Interval = 2;
    return defaults;
}

QSpinBox* NumberSpin(QWidget* parent, int low, int high, int value) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

// A list row of a stored number; a number without a row shows none.
void SelectRow(QComboBox* box, int row) {
    box->setCurrentIndex(row >= 0 && row < box->count() ? row : -1);
}
} // namespace

TSlideShowReading ReadSlideShowSettings(const std::string& text) {
    TSlideShowReading reading{SlideShowDefaults(), std::nullopt};
    auto& s = reading.Settings;
    const auto pieces = SplitPieces(text, kPieceEnd);
    if (pieces.size() > 0) s.Folder = pieces[0];
    if (pieces.size() > 1) s.Loop = pieces[1] == "Y";
    std::int32_t* numbers[] = {&s.TransitionStyle, &s.ImageStyle, &s.Step,
                               &s.StepDelay,       &s.Interval,   &s.BackgroundColor};
    for (std::size_t i = 0; i < std::size(numbers) && 2 + i < pieces.size(); ++i) {
        const auto value = DecimalValue(pieces[2 + i]);
        if (!value) {
            reading.BadNumber = pieces[2 + i];
            return reading;
        }
        *numbers[i] = *value;
    }
    if (pieces.size() > 8) s.MusicFile = pieces[8];
    return reading;
}

TLaunchSlideShowActionForm::TLaunchSlideShowActionForm(QWidget* owner,
                                                       const TActionContext& context,
                                                       const TSlideShowArgument& s,
                                                       TColorPrompt colorPrompt)
    : QDialog(owner), context_(context), modified_(new TModifiedFlag(this)) {
    setObjectName("LaunchSlideShowActionForm");
    setWindowTitle("Launch slide show");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    folder_ = new QLineEdit(ShownText(s.Folder), this);
    folder_->setMinimumWidth(260);
    auto* selectFolder = new QPushButton("&Select...", this);
    loop_ = new QCheckBox("Loop", this);
    loop_->setChecked(s.Loop);
    style_ = new QComboBox(this);
    style_->setObjectName("StyleBox");
    style_->addItem("0 - Random");
    const auto styles = TransitionStyles();
    for (int n = 1; n <= TransitionStyleCount; ++n)
        style_->addItem(QString("%1 - %2").arg(n).arg(QString::fromLatin1(styles[n - 1].Name)));
    SelectRow(style_, s.TransitionStyle);
    imageStyle_ = new QComboBox(this);
    imageStyle_->addItems({"Normal", "Center", "Stretch", "ShrinkFit", "EnlargeFit"});
    SelectRow(imageStyle_, s.ImageStyle);
    step_ = NumberSpin(this, 1, 99, s.Step);
    stepDelay_ = NumberSpin(this, 1, 9999, s.StepDelay);
    interval_ = NumberSpin(this, 0, 99, s.Interval);
    background_ = new TColorBox(this, std::move(colorPrompt));
    background_->SetValue(s.BackgroundColor);
    music_ = new QLineEdit(ShownText(s.MusicFile), this);
    auto* selectMusic = new QPushButton("S&elect...", this);

    int row = 0;
    grid->addWidget(new QLabel("Folder:", this), row, 0);
    grid->addWidget(folder_, row, 1);
    grid->addWidget(selectFolder, row++, 2);
    grid->addWidget(loop_, row++, 1);
    grid->addWidget(new QLabel("Style:", this), row, 0);
    grid->addWidget(style_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("ImageStyle:", this), row, 0);
    grid->addWidget(imageStyle_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Step (%):", this), row, 0);
    grid->addWidget(step_, row++, 1);
    grid->addWidget(new QLabel("StepDelay (ms)", this), row, 0);
    grid->addWidget(stepDelay_, row++, 1);
    grid->addWidget(new QLabel("Interval", this), row, 0);
    grid->addWidget(interval_, row++, 1);
    grid->addWidget(new QLabel("Background Color:", this), row, 0);
    grid->addWidget(background_, row++, 1);
    grid->addWidget(new QLabel("Music:", this), row, 0);
    grid->addWidget(music_, row, 1);
    grid->addWidget(selectMusic, row, 2);
    layout->addLayout(grid);
    AddOkCancel(this, layout);

    modified_->Watch(folder_);
    modified_->Watch(music_);
    modified_->Watch(loop_);
    for (auto* box : {style_, imageStyle_})
        modified_->Watch(box);
    for (auto* spin : {step_, stepDelay_, interval_})
        modified_->Watch(spin);
    connect(background_, &TColorBox::ValueChosen, modified_, &TModifiedFlag::Set);
    connect(selectFolder, &QPushButton::clicked, this, &TLaunchSlideShowActionForm::ChooseFolder);
    connect(selectMusic, &QPushButton::clicked, this, &TLaunchSlideShowActionForm::ChooseMusic);
}

void TLaunchSlideShowActionForm::ChooseFolder() {
    auto folder = StoredText(folder_->text());
    if (!context_.ChooseFolder(folder)) return;
    folder_->setText(ShownText(folder));
    modified_->Set();
}

void TLaunchSlideShowActionForm::ChooseMusic() {
    auto file = StoredText(music_->text());
    if (!context_.ChooseFile(file, TFilePurpose::Sound)) return;
    music_->setText(ShownText(file));
    modified_->Set();
}

std::string TLaunchSlideShowActionForm::Text() const {
    TSlideShowArgument s;
    s.Folder = StoredText(folder_->text());
    s.Loop = loop_->isChecked();
    s.TransitionStyle = std::max(0, style_->currentIndex());
    s.ImageStyle = std::max(0, imageStyle_->currentIndex());
    s.Step = step_->value();
    s.StepDelay = stepDelay_->value();
    s.Interval = interval_->value();
    s.BackgroundColor = background_->Value();
    s.MusicFile = StoredText(music_->text());
    return ComposeSlideShow(s);
}

bool EditSlideShowAction(QWidget* owner, const TActionContext& context, std::string& text) {
    const auto reading = ReadSlideShowSettings(text);
    if (reading.BadNumber) {
        ReportBadNumber(owner, *reading.BadNumber);
        return false;
    }
    TLaunchSlideShowActionForm form(owner, context, reading.Settings);
    return AcceptModifiedText(form, text);
}

} // namespace brelvane
