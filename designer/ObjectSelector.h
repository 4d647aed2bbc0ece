#pragma once

#include <QComboBox>

namespace brelvane {

// `ComboBox1`: the object selector above the property list. Closed, it shows
// its current item as the drop-down does, with the grey kind name.
class TObjectSelector : public QComboBox {
    Q_OBJECT
public:
    explicit TObjectSelector(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace brelvane
