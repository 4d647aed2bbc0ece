#pragma once

#include <QDialog>

class QSpinBox;

namespace brelvane {

// "Grid Size": the two grid steps, 2 to 99.
class TGridSizeForm : public QDialog {
    Q_OBJECT
public:
    TGridSizeForm(QWidget* owner, int x, int y);
    int GridX() const;
    int GridY() const;
    QSpinBox* SpinX() const { return x_; }
    QSpinBox* SpinY() const { return y_; }

private:
    QSpinBox* x_ = nullptr;
    QSpinBox* y_ = nullptr;
};

} // namespace brelvane
