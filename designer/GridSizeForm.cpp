#include "designer/GridSizeForm.h"

#include "designer/DesignerSettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace brelvane {

TGridSizeForm::TGridSizeForm(QWidget* owner, int x, int y) : QDialog(owner) {
    setObjectName("GridSizeForm");
    setWindowTitle("Grid Size");
    auto* layout = new QFormLayout(this);
    for (auto* spin : {&x_, &y_}) {
        *spin = new QSpinBox(this);
        (*spin)->setRange(kSmallestGridSize, kLargestGridSize);
    }
    x_->setValue(x);
    y_->setValue(y);
    layout->addRow("Grid Size X:", x_);
    layout->addRow("Grid Size Y:", y_);
    // Enter in a spin edit presses the default button, Esc rejects.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

int TGridSizeForm::GridX() const {
    return x_->value();
}
int TGridSizeForm::GridY() const {
    return y_->value();
}

} // namespace brelvane
