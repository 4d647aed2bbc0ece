#include "dialogs/SelectColorForm.h"

#include "dialogs/ColorPalette.h"
#include "dialogs/DialogSupport.h"
#include "render/SystemColors.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

namespace {
// A framed panel filled with one colour, under its caption.
QLabel* ColorPanel(const QString& caption, QWidget* parent, QBoxLayout* layout) {
    auto* group = new QGroupBox(caption, parent);
    auto* inside = new QVBoxLayout(group);
    auto* panel = new QLabel(group);
    panel->setObjectName(caption);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setMinimumSize(56, 40);
    inside->addWidget(panel);
    layout->addWidget(group);
    return panel;
}

void Fill(QLabel* panel, std::int32_t value) {
    auto palette = panel->palette();
    palette.setColor(QPalette::Window, ResolveColor(value));
    panel->setPalette(palette);
}
} // namespace

TSelectColorForm::TSelectColorForm(QWidget* owner, std::int32_t current, TColorPrompt custom)
    : QDialog(owner), custom_(std::move(custom)), chosen_(current) {
    setObjectName("SelectColorForm");
    setWindowTitle("Color Editor");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    palette_ = new TColorPalette(this);
    left->addWidget(palette_);
    auto* boxRow = new QHBoxLayout;
    auto* caption = new QLabel("Color:", this);
    box_ = new TColorBox(this, custom_);
    caption->setBuddy(box_);
    boxRow->addWidget(caption);
    boxRow->addWidget(box_, 1);
    left->addLayout(boxRow);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    new_ = ColorPanel("New", this, right);
    Fill(ColorPanel("Current", this, right), current);
    value_ = new QLabel(this);
    value_->setObjectName("ValueLabel");
    value_->setAlignment(Qt::AlignCenter);
    right->addWidget(value_);
    auto* customButton = new QPushButton("&Custom...", this);
    right->addWidget(customButton);
    right->addStretch();
    AddOkCancel(this, right, "Cancel");
    layout->addLayout(right);

    connect(palette_, &TColorPalette::Picked, this, &TSelectColorForm::SetChosen);
    connect(box_, &TColorBox::ValueChosen, this, &TSelectColorForm::SetChosen);
    connect(customButton, &QPushButton::clicked, this, &TSelectColorForm::PickCustom);
    SetChosen(current);
}

void TSelectColorForm::SetChosen(std::int32_t value) {
    chosen_ = value;
    Fill(new_, value);
    box_->SetValue(value);
    value_->setText(
        QString("%1").arg(static_cast<std::uint32_t>(value), 8, 16, QChar('0')).toUpper());
    palette_->SetChosen(value);
}

void TSelectColorForm::PickCustom() {
    if (!custom_) return;
    if (const auto picked = custom_(this, chosen_)) SetChosen(*picked);
}

bool SelectColor(QWidget* owner, std::int32_t& color, TColorPrompt custom) {
    TSelectColorForm form(owner, color, std::move(custom));
    if (form.exec() != QDialog::Accepted || form.Chosen() == color) return false;
    color = form.Chosen();
    return true;
}

} // namespace brelvane
